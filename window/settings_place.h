// The window's settings: where they are kept, as the user would look for them, and those an earlier
// version kept under another name, taken over once.
#pragma once

#include <QString>
#include <string>

namespace eit {

// The settings file's path, or the registry key as regedit shows it (HKEY_CURRENT_USER\Software\...).
std::string SettingsPlace();
// When the settings are empty and the application's earlier name has some, copies them over.
void TakeEarlierSettings(const QString& earlierApplicationName);

}  // namespace eit
