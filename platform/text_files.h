// Text files as people save them: UTF-8 (with or without its byte-order mark), older single-byte text,
// or UTF-16 and UTF-32 in either byte order (Notepad's "Unicode"), with or without a byte-order mark.
#pragma once

#include <cstddef>
#include <string>

namespace eit {

// The bytes of the text file at path as UTF-8: UTF-16 and UTF-32 are decoded (their mark dropped), other
// text is left as it is. A UTF-16 or UTF-32 file that is cut or holds no character is refused naming
// the file and its encoding.
std::string Utf8TextOf(const char* bytes, std::size_t size, const std::string& path);

// Raises naming the file and the line (from 1) of the first NUL byte: no text file holds one, and reading
// on past it, or stopping there, would take a damaged file for a shorter one.
void CheckNoNul(const std::string& text, const std::string& path);

}  // namespace eit
