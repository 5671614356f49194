// The sheet's messages in the window's words: what to change is a control of "Draw new letters".
#pragma once

#include <QCoreApplication>

#include "formats/font_tools.h"

namespace eit {

class TWindowSheetWords : public TSheetWords {
  Q_DECLARE_TR_FUNCTIONS(eit::TWindowSheetWords)

 public:
  TText SmoothSetting() const override { return Smooth().toStdString(); }
  TText BitDepthShown() const override { return BitDepth().toStdString(); }

 private:
  // Worded apart: lupdate takes the "std::" of a function that returns std::string for its class.
  static QString Smooth() { return tr("Drawing \"smooth\" gives smooth edges"); }
  static QString BitDepth() { return tr("the viewer, F3, shows each texture's bit depth"); }
};

}  // namespace eit
