// "About": the program's version, what packs its textures, where its settings are kept, its licence and
// those of what it ships.
#pragma once

#include <QDialog>
#include <string>

#include "compression/pack_engine.h"
#include "window/dialogs.h"

class QLabel;
class QPushButton;

namespace eit {

class TAboutDialog : public QDialog {
  Q_OBJECT

 public:
  TAboutDialog(TPackEngine engine, TDialogs& dialogs, QWidget* parent = nullptr);
  QLabel* Text;
  QPushButton* Licences;
  // Where the licences are: the zip's licences folder beside the program on Windows, the package's
  // copyright file elsewhere; empty when neither is there (a build run from its tree).
  static std::string LicencesPath();
};

}  // namespace eit
