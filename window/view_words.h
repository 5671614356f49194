// What the viewer's engine facts say, in the window's language.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "engine/image_view.h"

namespace eit {

class TViewWords {
  Q_DECLARE_TR_FUNCTIONS(eit::TViewWords)

 public:
  // "stone.dds: 64 x 64, 24-bit, packed texture"
  static QString Caption(const TViewCaption& caption);
  // "size differs: 32 x 32, the texture is 64 x 64"
  static QString Finding(const TViewFinding& finding);
  // The finding in a word or two, for the band on the picture: "size differs".
  static QString Tag(const TViewFinding& finding);
};

}  // namespace eit
