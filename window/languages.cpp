#include "window/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QSettings>
#include <QTranslator>
#include <memory>

// Outside any namespace, where rcc defines the resource's function.
static void InitTranslations() { Q_INIT_RESOURCE(eit_translations); }

namespace eit {

namespace {

const QString kLanguageKey = QStringLiteral("language");

// Owned by the application, so that they go with it, before the resources they read from; a pointer
// that outlived them (the program's end) would reach freed memory.
QPointer<QTranslator>& Installed(int which) {
  static QPointer<QTranslator> translators[2];
  return translators[which];
}

void Replace(int which, std::unique_ptr<QTranslator> translator) {
  if (Installed(which)) {
    QCoreApplication::removeTranslator(Installed(which));
    delete Installed(which);
  }
  if (translator) translator->setParent(QCoreApplication::instance());
  Installed(which) = translator.release();
  if (Installed(which)) QCoreApplication::installTranslator(Installed(which));
}

// Qt's words for its standard dialogs: Debian's (qt6-translations-l10n), or those shipped beside the program.
std::unique_ptr<QTranslator> QtWords(const QString& code) {
  auto translator = std::make_unique<QTranslator>();
  const QString file = QStringLiteral("qtbase_") + code;
  for (const QString& folder : {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)})
    if (translator->load(file, folder)) return translator;
  return nullptr;
}

}  // namespace

const std::vector<TLanguage>& Languages() {
  static const std::vector<TLanguage> languages = {
      {QStringLiteral("en"), QStringLiteral("English")},
      {QStringLiteral("cs"), QStringLiteral("Čeština")},
      {QStringLiteral("de"), QStringLiteral("Deutsch")},
      {QStringLiteral("es"), QStringLiteral("Español")},
      {QStringLiteral("fr"), QStringLiteral("Français")},
      {QStringLiteral("pl"), QStringLiteral("Polski")},
      {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
      {QStringLiteral("ru"), QStringLiteral("Русский")},
      {QStringLiteral("uk"), QStringLiteral("Українська")},
  };
  return languages;
}

QString ChosenLanguage() {
  const QString code = QSettings().value(kLanguageKey).toString();
  for (const TLanguage& language : Languages())
    if (language.Code == code) return code;
  return {};
}

void ChooseLanguage(const QString& code) { QSettings().setValue(kLanguageKey, code); }

QString LanguageFor(const QStringList& uiLanguages) {
  for (QString wanted : uiLanguages) {
    wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
    // "ru_RU" is Russian; any Portuguese gets Brazil's, nearer than English.
    const QString primary = wanted.section(QLatin1Char('_'), 0, 0);
    for (const TLanguage& language : Languages())
      if (wanted.compare(language.Code, Qt::CaseInsensitive) == 0 ||
          primary.compare(language.Code.section(QLatin1Char('_'), 0, 0), Qt::CaseInsensitive) == 0)
        return language.Code;
  }
  return QStringLiteral("en");
}

QString CurrentLanguage() {
  const QString chosen = ChosenLanguage();
  return chosen.isEmpty() ? LanguageFor(QLocale::system().uiLanguages()) : chosen;
}

bool InstallLanguage(const QString& code) {
  InitTranslations();
  auto own = std::make_unique<QTranslator>();
  if (code == QStringLiteral("en") || !own->load(QStringLiteral(":/i18n/eitool_") + code)) {
    Replace(0, nullptr);
    Replace(1, nullptr);
    return code == QStringLiteral("en");
  }
  Replace(0, std::move(own));
  Replace(1, QtWords(code));
  return true;
}

}  // namespace eit
