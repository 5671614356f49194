#include "window/text_words.h"

#include <QCoreApplication>

namespace eit {

namespace {

// lupdate puts a form in the context of the namespace it is written in.
QString Translated(const char* form) {
  const QString source = QString::fromUtf8(form);
  for (const char* context : {"eit", "eit::detail", "eit::codecs"}) {
    const QString translated = QCoreApplication::translate(context, form);
    if (translated != source) return translated;
  }
  return source;
}

}  // namespace

QString Word(const TText& text) {
  if (text.Form == nullptr) return QString::fromStdString(text.English);
  const QString form = Translated(text.Form);
  // Untranslated, a text of no parts reads as the engine says it: a system's reason in its own words.
  if (text.Parts.empty() && form == QString::fromUtf8(text.Form)) return QString::fromStdString(text.English);
  QString out;
  out.reserve(form.size() + 32 * static_cast<qsizetype>(text.Parts.size()));
  // One pass, as the English was filled: a part that holds "%2" stays as it is.
  for (qsizetype i = 0; i < form.size(); ++i) {
    const bool digit = i + 1 < form.size() && form[i] == u'%' && form[i + 1] >= u'1' && form[i + 1] <= u'9';
    const std::size_t n = digit ? static_cast<std::size_t>(form[i + 1].unicode() - u'1') : text.Parts.size();
    if (n < text.Parts.size()) {
      out += Word(text.Parts[n]);
      ++i;
    } else {
      out += form[i];
    }
  }
  return out;
}

QString WordForm(const std::string& form) { return Translated(form.c_str()); }

}  // namespace eit
