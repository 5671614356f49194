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
  setWindowTitle(tr("About Extract\\Insert Tool"));
  setWindowIcon(WindowIcon());
  const std::string licences = LicencesPath();
  const auto q = [](const std::string& text) { return QString::fromStdString(text); };
  const QString text =
      QStringLiteral("Extract\\Insert Tool ") + QStringLiteral(EIT_VERSION) + QStringLiteral("\n\n") +
      tr("Takes a game's textures and bitmap fonts out as images and puts edited images back.") +
      QStringLiteral("\n\n") + tr("Packing: %1.").arg(q(PackEngineDescription(engine))) + QStringLiteral("\n\n") +
      tr("PNG files are read with %1.").arg(q(PngLibraryDescription())) + QStringLiteral("\n\n") +
      tr("Settings are kept in %1.").arg(q(SettingsPlace())) + QStringLiteral("\n\n") +
      tr("The program is free software under the MIT licence.") + QStringLiteral(" ") +
      (licences.empty() ? tr("The licences of the libraries it uses come with them.")
                        : tr("The licences of everything it ships with it are in %1.").arg(q(licences)));
  Text = new QLabel(text, this);
  Text->setWordWrap(true);
  Text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Licences = new QPushButton(tr("Open licences"), this);
  Licences->setEnabled(!licences.empty());
  auto* close = new QPushButton(tr("Close"), this);
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
