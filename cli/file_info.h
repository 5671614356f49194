// One line about a file, for users checking what they have.
#pragma once

#include <string>

namespace eit {

// What the file is: a texture, a font table, a BMP or TGA image. Raises the error a job would give
// for a file it cannot read.
std::string DescribeFile(const std::string& path);

}  // namespace eit
