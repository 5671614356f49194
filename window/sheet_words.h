// The sheet's messages in the window's words: what to change is a control of "Draw new letters".
#pragma once

#include <QCoreApplication>

#include "formats/font_tools.h"

namespace eit {

class TWindowSheetWords : public TSheetWords {
  Q_DECLARE_TR_FUNCTIONS(eit::TWindowSheetWords)

 public:
  std::string SmoothSetting() const override { return tr("Drawing \"smooth\" gives smooth edges").toStdString(); }
  std::string BitDepthShown() const override { return tr("the viewer, F3, shows each texture's bit depth").toStdString(); }
};

}  // namespace eit
