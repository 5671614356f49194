// What a user does to an extract's output between extract and insert, for the CLI tests: a pixel painted as
// an editor saves it, and the files of a tree looked over.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/paths.h"
#include "codecs/targa.h"
#include "codecs/bmp.h"

namespace eit::testing {

// One pixel of a BMP or TGA picture painted over, saved as an editor saves it.
inline void PaintPixel(const std::string& path, int x, int y, TRgb colour = TRgb(250, 1, 2)) {
  const bool tga = ExtractFileExtLower(path) == ".tga";
  TBitmap picture;
  if (tga)
    ReadTGA(path.c_str(), picture);
  else
    ReadBMP(path, picture);
  picture.FillRect({x, y, x + 1, y + 1}, colour, 255);
  TFileStream file(path, FileMode::Create);
  if (tga)
    WriteTgaToStream(file, picture);
  else
    WriteBmpToStream(file, picture);
}

// Every file under dir by its path relative to dir ("levels/a/stone.bmp"), result.log aside, sorted.
inline std::vector<std::string> FilesUnder(const std::string& dir) {
  namespace fs = std::filesystem;
  std::vector<std::string> files;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(dir, ec); !ec && it != fs::recursive_directory_iterator(); ++it)
    if (it->is_regular_file() && it->path().filename() != "result.log")
      files.push_back(it->path().lexically_relative(dir).generic_string());
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace eit::testing
