#include "window/counted.h"

#include <QCoreApplication>
#include <QLocale>
#include <climits>

namespace eit {

QString Counted(const char* context, const char* text, std::int64_t n) {
  const int forms = static_cast<int>(std::min<std::int64_t>(n, INT_MAX));
  QString counted = QCoreApplication::translate(context, text, nullptr, forms);
  // The C locale groups no digits: counts read as in English, "5,050".
  const QLocale locale;
  const QString number = locale.toString(static_cast<qlonglong>(n));
  if (locale.language() == QLocale::C)
    counted.replace(number, QLocale(QLocale::English, QLocale::UnitedStates).toString(static_cast<qlonglong>(n)));
  // No translation: the English text, its "(s)" as the count asks.
  return counted.replace(QStringLiteral("(s)"), n == 1 ? QString() : QStringLiteral("s"));
}

}  // namespace eit
