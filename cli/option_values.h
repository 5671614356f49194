// The values eitool-cli's options take, as CLI11 validators: each turns what was typed into the plain decimal or
// word its field is read from, or refuses it with a usage message that names the option and the value.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

namespace eit::cli {

// A number from least to most: decimal whatever its leading zeros ("010" is ten), or hexadecimal written "0x".
CLI::Validator Number(const std::string& shown, int least, int most);
// -j: files to run at a time, 1 to 256, decimal.
CLI::Validator Workers();
// A character code: the range in messages reads as codes do.
CLI::Validator Code(const std::string& shown, int least, int most);
// --size: a cap height, too few rows for a letter to read refused with that reason.
CLI::Validator CapHeight();
// --codepage: one of the known code pages.
CLI::Validator CodePage();
// --format: png or bmp-tga, in any case, to the value of the field's type.
CLI::Validator ImageFilesChoice();
// A flag given a value means it: true, false, 1, 0, yes, no, on, off.
CLI::Validator FlagValue(const std::string& shown);

}  // namespace eit::cli
