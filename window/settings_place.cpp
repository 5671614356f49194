#include "window/settings_place.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace eit {

std::string SettingsPlace() {
  QString place = QDir::toNativeSeparators(QSettings().fileName());
  // Qt names a registry key with a backslash in front, which regedit does not show.
  if (place.startsWith(QStringLiteral("\\HKEY"))) place.remove(0, 1);
  return place.toStdString();
}

void TakeEarlierSettings(const QString& earlierApplicationName) {
  QSettings settings;
  if (!settings.allKeys().isEmpty()) return;
  QSettings earlier(QCoreApplication::organizationName(), earlierApplicationName);
  for (const QString& key : earlier.allKeys()) settings.setValue(key, earlier.value(key));
}

}  // namespace eit
