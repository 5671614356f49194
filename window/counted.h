// Counts in words as each language writes them: its plural forms (Qt's "%Ln" texts) and its digit grouping.
#pragma once

#include <QString>
#include <cstdint>

namespace eit {

// The text of context translated for n ("%Ln file(s)"); without a translation, in English ("1 file", "5,050 files").
QString Counted(const char* context, const char* text, std::int64_t n);
// The number alone, grouped as the language groups digits ("5,050", "5 050").
inline QString Number(std::int64_t n) { return Counted("", "%Ln", n); }

}  // namespace eit
