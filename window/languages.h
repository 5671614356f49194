// The window's languages: the one it speaks (the user's choice, else the system's, else English), its
// words loaded from the translations built into the program and Qt's own for the standard dialogs.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace eit {

struct TLanguage {
  QString Code;  // "ru", "pt_BR"; "en" for the words as written
  QString Name;  // in the language itself: "Русский"
};
// English first, then every language the program speaks.
const std::vector<TLanguage>& Languages();

// The code of the language the user chose (kept in the settings), "" when they chose none.
QString ChosenLanguage();
void ChooseLanguage(const QString& code);
// The language of uiLanguages (the system's, most preferred first) that the program speaks; "en" when none.
QString LanguageFor(const QStringList& uiLanguages);
// The chosen language, or the system's.
QString CurrentLanguage();

// Installs the program's words and Qt's own in the language into the application (those of a language
// installed before are removed); false when the program has no words in it (English stays).
bool InstallLanguage(const QString& code);

}  // namespace eit
