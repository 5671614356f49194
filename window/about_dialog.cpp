#include "window/about_dialog.h"

#include "codecs/png.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

#include "window/settings_place.h"
#include <QVBoxLayout>

#include "platform/paths.h"
#include "codecs/png.h"
#include "window/icons.h"

namespace eit {

std::string TAboutDialog::LicencesPath() {
#ifdef _WIN32
  const std::string path = JoinPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString(), "licences");
  return DirectoryExists(path) ? path : "";
#else
  const std::string path = "/usr/share/doc/eitool/copyright";
  return FileExists(path) ? path : "";
#endif
}

TAboutDialog::TAboutDialog(TPackEngine engine, TDialogs& dialogs, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Extract\\Insert Tool"));
  setWindowIcon(WindowIcon());
  const std::string licences = LicencesPath();
  const std::string text =
      std::string("Extract\\Insert Tool ") + EIT_VERSION + "\n\n" +
      "Takes a game's textures and bitmap fonts out as images and puts edited images back.\n\n" +
      "Packing: " + PackEngineDescription(engine) + ".\n\n" + "PNG files are read with " + PngLibraryDescription() +
      ".\n\n" +
      "Settings are kept in " + SettingsPlace() + ".\n\n" +
      "The program is free software under the MIT licence. " +
      (licences.empty() ? std::string("The licences of the libraries it uses come with them.")
                        : "The licences of everything it ships with it are in " + licences + ".");
  Text = new QLabel(QString::fromStdString(text), this);
  Text->setWordWrap(true);
  Text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Licences = new QPushButton(QStringLiteral("Open licences"), this);
  Licences->setEnabled(!licences.empty());
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(Licences, &QPushButton::clicked, this, [&dialogs, licences] { dialogs.OpenPath(licences); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Licences);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Text);
  layout->addLayout(buttons);
  resize(480, 0);
}

}  // namespace eit
