#include "platform/texts.h"

namespace eit {

std::string FillForm(const std::string& form, const std::vector<std::string>& parts) {
  std::string out;
  out.reserve(form.size());
  for (std::size_t i = 0; i < form.size(); ++i) {
    const char c = form[i];
    const bool digit = i + 1 < form.size() && form[i + 1] >= '1' && form[i + 1] <= '9';
    const std::size_t n = digit ? static_cast<std::size_t>(form[i + 1] - '1') : parts.size();
    if (c == '%' && n < parts.size()) {
      out += parts[n];
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

TText Says(const char* form, std::vector<TText> parts) {
  std::vector<std::string> english;
  english.reserve(parts.size());
  for (const TText& part : parts) english.push_back(part.English);
  TText text;
  text.Form = form;
  text.English = FillForm(form, english);
  text.Parts = std::move(parts);
  return text;
}

TText ListWithMore(TText shown, std::size_t more) {
  if (more == 0) return shown;
  return Says(EIT_SAYS("%1 and %2 more"), {std::move(shown), std::to_string(more)});
}

}  // namespace eit
