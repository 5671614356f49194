// The values of eitool-cli's options, read as each option needs them; a wrong one is a usage error that
// names the option and the value.
#pragma once

#include <string>

#include "cli/command_line.h"
#include "codecs/pictures.h"

namespace eit::cli {

// A number (decimal, or hexadecimal with 0x) from least to most; fallback when the option is not given.
int NumberOf(const TCommandLine& line, const std::string& name, int least, int most, int fallback);
// A character code: the range in messages reads as codes do.
int CodeOf(const TCommandLine& line, const std::string& name, int least, int most, int fallback);
// --size: a cap height, too few rows for a letter to read refused with that reason; 0 when not given.
int CapHeightOf(const TCommandLine& line);
// --codepage: one of the known code pages; fallback when not given.
int CodePageOf(const TCommandLine& line, int fallback);
// -j: files to run at a time, 1 to 256; 0 (one per core) when not given.
int WorkersOf(const TCommandLine& line);
// --format: png or bmp-tga, in any case.
TImageFiles ImageFilesOf(const TCommandLine& line);

}  // namespace eit::cli
