// Pictures decoded by Qt's image readers: an independent decoder for what we read and write.
#pragma once

#include <QImage>

#include <string>

#include "platform/bitmap.h"

namespace eit::testing {

inline QImage QtRead(const std::string& path) {
  QImage image(QString::fromStdString(path));
  return image.isNull() ? image : image.convertToFormat(QImage::Format_ARGB32);
}

// Empty when equal, else the first difference. Alpha is compared only for 32-bit bitmaps. Unless
// exact, the colour of a pixel that the reference shows fully transparent does not count.
// tolerance allows that much difference per channel (5- and 6-bit colours scale to 8 bits by
// rounding in one program and by repeating bits in another).
inline std::string CompareWithQt(const TBitmap& ours, const QImage& theirs, bool exact = true, int tolerance = 0) {
  if (theirs.isNull()) return "Qt could not read the reference";
  if (ours.Width() != theirs.width() || ours.Height() != theirs.height())
    return "size " + std::to_string(ours.Width()) + "x" + std::to_string(ours.Height()) + " vs " +
           std::to_string(theirs.width()) + "x" + std::to_string(theirs.height());
  const bool alpha = ours.PixelFormat() == TPixelFormat::pf32bit;
  for (int y = 0; y < ours.Height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(theirs.constScanLine(y));
    const std::uint8_t* row = ours.ScanLine(y);
    for (int x = 0; x < ours.Width(); ++x) {
      const std::uint8_t* p = row + x * ours.BytesPerPixel();
      const QRgb q = line[x];
      if (!exact && qAlpha(q) == 0 && (!alpha || p[3] == 0)) continue;
      auto off = [tolerance](int a, int b) { return a - b > tolerance || b - a > tolerance; };
      if (off(p[0], qBlue(q)) || off(p[1], qGreen(q)) || off(p[2], qRed(q)) || (alpha && off(p[3], qAlpha(q))))
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + "): ours " + std::to_string(p[2]) + "," +
               std::to_string(p[1]) + "," + std::to_string(p[0]) + (alpha ? "," + std::to_string(p[3]) : "") +
               " theirs " + std::to_string(qRed(q)) + "," + std::to_string(qGreen(q)) + "," +
               std::to_string(qBlue(q)) + "," + std::to_string(qAlpha(q));
    }
  }
  return "";
}

}  // namespace eit::testing
