// Letters made of a base letter and marks, as Unicode decomposes them (NFD), for the letters of the known
// code pages: a mark drawn too small to show leaves the base letter, and the reader sees T for Ť.
// Made with Python's unicodedata over the upper halves of code pages 1250, 1251, 1252, 1253, 1254 and 1257.
#include <algorithm>
#include <iterator>

#include "formats/codepages.h"
#include "formats/font_tools.h"

namespace eit {

namespace {

struct TMarkRow {
  char32_t Letter, Base;
  const char* Marks;
};

constexpr TMarkRow kMarks[] = {
    {0x00C0, 0x0041, "grave"},  // À
    {0x00C1, 0x0041, "acute"},  // Á
    {0x00C2, 0x0041, "circumflex"},  // Â
    {0x00C3, 0x0041, "tilde"},  // Ã
    {0x00C4, 0x0041, "diaeresis"},  // Ä
    {0x00C5, 0x0041, "ring"},  // Å
    {0x00C7, 0x0043, "cedilla"},  // Ç
    {0x00C8, 0x0045, "grave"},  // È
    {0x00C9, 0x0045, "acute"},  // É
    {0x00CA, 0x0045, "circumflex"},  // Ê
    {0x00CB, 0x0045, "diaeresis"},  // Ë
    {0x00CC, 0x0049, "grave"},  // Ì
    {0x00CD, 0x0049, "acute"},  // Í
    {0x00CE, 0x0049, "circumflex"},  // Î
    {0x00CF, 0x0049, "diaeresis"},  // Ï
    {0x00D1, 0x004E, "tilde"},  // Ñ
    {0x00D2, 0x004F, "grave"},  // Ò
    {0x00D3, 0x004F, "acute"},  // Ó
    {0x00D4, 0x004F, "circumflex"},  // Ô
    {0x00D5, 0x004F, "tilde"},  // Õ
    {0x00D6, 0x004F, "diaeresis"},  // Ö
    {0x00D9, 0x0055, "grave"},  // Ù
    {0x00DA, 0x0055, "acute"},  // Ú
    {0x00DB, 0x0055, "circumflex"},  // Û
    {0x00DC, 0x0055, "diaeresis"},  // Ü
    {0x00DD, 0x0059, "acute"},  // Ý
    {0x00E0, 0x0061, "grave"},  // à
    {0x00E1, 0x0061, "acute"},  // á
    {0x00E2, 0x0061, "circumflex"},  // â
    {0x00E3, 0x0061, "tilde"},  // ã
    {0x00E4, 0x0061, "diaeresis"},  // ä
    {0x00E5, 0x0061, "ring"},  // å
    {0x00E7, 0x0063, "cedilla"},  // ç
    {0x00E8, 0x0065, "grave"},  // è
    {0x00E9, 0x0065, "acute"},  // é
    {0x00EA, 0x0065, "circumflex"},  // ê
    {0x00EB, 0x0065, "diaeresis"},  // ë
    {0x00EC, 0x0069, "grave"},  // ì
    {0x00ED, 0x0069, "acute"},  // í
    {0x00EE, 0x0069, "circumflex"},  // î
    {0x00EF, 0x0069, "diaeresis"},  // ï
    {0x00F1, 0x006E, "tilde"},  // ñ
    {0x00F2, 0x006F, "grave"},  // ò
    {0x00F3, 0x006F, "acute"},  // ó
    {0x00F4, 0x006F, "circumflex"},  // ô
    {0x00F5, 0x006F, "tilde"},  // õ
    {0x00F6, 0x006F, "diaeresis"},  // ö
    {0x00F9, 0x0075, "grave"},  // ù
    {0x00FA, 0x0075, "acute"},  // ú
    {0x00FB, 0x0075, "circumflex"},  // û
    {0x00FC, 0x0075, "diaeresis"},  // ü
    {0x00FD, 0x0079, "acute"},  // ý
    {0x00FF, 0x0079, "diaeresis"},  // ÿ
    {0x0100, 0x0041, "macron"},  // Ā
    {0x0101, 0x0061, "macron"},  // ā
    {0x0102, 0x0041, "breve"},  // Ă
    {0x0103, 0x0061, "breve"},  // ă
    {0x0104, 0x0041, "ogonek"},  // Ą
    {0x0105, 0x0061, "ogonek"},  // ą
    {0x0106, 0x0043, "acute"},  // Ć
    {0x0107, 0x0063, "acute"},  // ć
    {0x010C, 0x0043, "háček"},  // Č
    {0x010D, 0x0063, "háček"},  // č
    {0x010E, 0x0044, "háček"},  // Ď
    {0x010F, 0x0064, "háček"},  // ď
    {0x0112, 0x0045, "macron"},  // Ē
    {0x0113, 0x0065, "macron"},  // ē
    {0x0116, 0x0045, "dot"},  // Ė
    {0x0117, 0x0065, "dot"},  // ė
    {0x0118, 0x0045, "ogonek"},  // Ę
    {0x0119, 0x0065, "ogonek"},  // ę
    {0x011A, 0x0045, "háček"},  // Ě
    {0x011B, 0x0065, "háček"},  // ě
    {0x011E, 0x0047, "breve"},  // Ğ
    {0x011F, 0x0067, "breve"},  // ğ
    {0x0122, 0x0047, "cedilla"},  // Ģ
    {0x0123, 0x0067, "cedilla"},  // ģ
    {0x012A, 0x0049, "macron"},  // Ī
    {0x012B, 0x0069, "macron"},  // ī
    {0x012E, 0x0049, "ogonek"},  // Į
    {0x012F, 0x0069, "ogonek"},  // į
    {0x0130, 0x0049, "dot"},  // İ
    {0x0136, 0x004B, "cedilla"},  // Ķ
    {0x0137, 0x006B, "cedilla"},  // ķ
    {0x0139, 0x004C, "acute"},  // Ĺ
    {0x013A, 0x006C, "acute"},  // ĺ
    {0x013B, 0x004C, "cedilla"},  // Ļ
    {0x013C, 0x006C, "cedilla"},  // ļ
    {0x013D, 0x004C, "háček"},  // Ľ
    {0x013E, 0x006C, "háček"},  // ľ
    {0x0143, 0x004E, "acute"},  // Ń
    {0x0144, 0x006E, "acute"},  // ń
    {0x0145, 0x004E, "cedilla"},  // Ņ
    {0x0146, 0x006E, "cedilla"},  // ņ
    {0x0147, 0x004E, "háček"},  // Ň
    {0x0148, 0x006E, "háček"},  // ň
    {0x014C, 0x004F, "macron"},  // Ō
    {0x014D, 0x006F, "macron"},  // ō
    {0x0150, 0x004F, "double acute"},  // Ő
    {0x0151, 0x006F, "double acute"},  // ő
    {0x0154, 0x0052, "acute"},  // Ŕ
    {0x0155, 0x0072, "acute"},  // ŕ
    {0x0156, 0x0052, "cedilla"},  // Ŗ
    {0x0157, 0x0072, "cedilla"},  // ŗ
    {0x0158, 0x0052, "háček"},  // Ř
    {0x0159, 0x0072, "háček"},  // ř
    {0x015A, 0x0053, "acute"},  // Ś
    {0x015B, 0x0073, "acute"},  // ś
    {0x015E, 0x0053, "cedilla"},  // Ş
    {0x015F, 0x0073, "cedilla"},  // ş
    {0x0160, 0x0053, "háček"},  // Š
    {0x0161, 0x0073, "háček"},  // š
    {0x0162, 0x0054, "cedilla"},  // Ţ
    {0x0163, 0x0074, "cedilla"},  // ţ
    {0x0164, 0x0054, "háček"},  // Ť
    {0x0165, 0x0074, "háček"},  // ť
    {0x016A, 0x0055, "macron"},  // Ū
    {0x016B, 0x0075, "macron"},  // ū
    {0x016E, 0x0055, "ring"},  // Ů
    {0x016F, 0x0075, "ring"},  // ů
    {0x0170, 0x0055, "double acute"},  // Ű
    {0x0171, 0x0075, "double acute"},  // ű
    {0x0172, 0x0055, "ogonek"},  // Ų
    {0x0173, 0x0075, "ogonek"},  // ų
    {0x0178, 0x0059, "diaeresis"},  // Ÿ
    {0x0179, 0x005A, "acute"},  // Ź
    {0x017A, 0x007A, "acute"},  // ź
    {0x017B, 0x005A, "dot"},  // Ż
    {0x017C, 0x007A, "dot"},  // ż
    {0x017D, 0x005A, "háček"},  // Ž
    {0x017E, 0x007A, "háček"},  // ž
    {0x0386, 0x0391, "tonos"},  // Ά
    {0x0388, 0x0395, "tonos"},  // Έ
    {0x0389, 0x0397, "tonos"},  // Ή
    {0x038A, 0x0399, "tonos"},  // Ί
    {0x038C, 0x039F, "tonos"},  // Ό
    {0x038E, 0x03A5, "tonos"},  // Ύ
    {0x038F, 0x03A9, "tonos"},  // Ώ
    {0x0390, 0x03B9, "dialytika and tonos"},  // ΐ
    {0x03AA, 0x0399, "dialytika"},  // Ϊ
    {0x03AB, 0x03A5, "dialytika"},  // Ϋ
    {0x03AC, 0x03B1, "tonos"},  // ά
    {0x03AD, 0x03B5, "tonos"},  // έ
    {0x03AE, 0x03B7, "tonos"},  // ή
    {0x03AF, 0x03B9, "tonos"},  // ί
    {0x03B0, 0x03C5, "dialytika and tonos"},  // ΰ
    {0x03CA, 0x03B9, "dialytika"},  // ϊ
    {0x03CB, 0x03C5, "dialytika"},  // ϋ
    {0x03CC, 0x03BF, "tonos"},  // ό
    {0x03CD, 0x03C5, "tonos"},  // ύ
    {0x03CE, 0x03C9, "tonos"},  // ώ
    {0x0401, 0x0415, "diaeresis"},  // Ё
    {0x0403, 0x0413, "acute"},  // Ѓ
    {0x0407, 0x0406, "diaeresis"},  // Ї
    {0x040C, 0x041A, "acute"},  // Ќ
    {0x040E, 0x0423, "breve"},  // Ў
    {0x0419, 0x0418, "breve"},  // Й
    {0x0439, 0x0438, "breve"},  // й
    {0x0451, 0x0435, "diaeresis"},  // ё
    {0x0453, 0x0433, "acute"},  // ѓ
    {0x0457, 0x0456, "diaeresis"},  // ї
    {0x045C, 0x043A, "acute"},  // ќ
    {0x045E, 0x0443, "breve"},  // ў
};

}  // namespace

std::optional<TMarkedLetter> MarksOf(char32_t letter) {
  const auto* row = std::lower_bound(std::begin(kMarks), std::end(kMarks), letter,
                                     [](const TMarkRow& r, char32_t c) { return r.Letter < c; });
  if (row == std::end(kMarks) || row->Letter != letter) return std::nullopt;
  return TMarkedLetter{row->Base, row->Marks};
}

std::string LostMarksText(const std::vector<TLostMark>& lost) {
  std::string text;
  for (std::size_t k = 0; k < lost.size() && k < kListedAtMost; ++k)
    text.append(k == 0 ? "" : ", ")
        .append("the ")
        .append(lost[k].Marks)
        .append(" of ")
        .append(CharacterName(lost[k].Letter, lost[k].Code))
        .append(" at cap height ")
        .append(std::to_string(lost[k].CapHeight));
  if (lost.size() > kListedAtMost) text += " and " + std::to_string(lost.size() - kListedAtMost) + " more";
  return text;
}

}  // namespace eit
