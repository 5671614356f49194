// Single-byte code pages: the bytes a game's font table is indexed by, and the Unicode text they stand for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace eit {

// The code pages known: 1250, 1251, 1252, 1253, 1254 and 1257.
const std::vector<int>& KnownCodePages();
// The Unicode characters of the bytes 0x80 to 0xFF (0: undefined), or null for an unknown code page.
const char16_t* CodePageHighHalf(int codePage);
// "Cyrillic": the script or region of a known code page, for messages.
std::string CodePageName(int codePage);
// Whether the character is a letter of an alphabet (Latin, Greek, Cyrillic, Hebrew, Arabic, Baltic
// and Central European forms included), as far as the known code pages hold them.
bool IsLetter(char32_t character);
// The first code at or above from that stands for a letter in the code page; 0x100 when none does.
int FirstLetterCode(int codePage, int from);
// Raises an error naming the code page and the known ones when it is not known.
void CheckCodePage(int codePage);
// The character a byte stands for in the code page; 0 when undefined.
char32_t CharacterOf(int codePage, std::uint8_t code);
// The byte a character is in the code page, or none.
std::optional<std::uint8_t> CodeOf(int codePage, char32_t character);
// UTF-8 text as characters; a malformed sequence gives U+FFFD.
std::u32string DecodeUtf8(const std::string& text);
// "0xC0": a byte's code as messages write it.
std::string CodeText(int code);
// The character in UTF-8, or "U+0085" for one that prints as nothing or is no character.
std::string CharacterText(char32_t character);
// "U+0410 'А'": a character as the user reads it in a message.
std::string DescribeCharacter(char32_t character);
// A character of a code page as messages name it: its text and code ("Ѓ (0x81)"); one that prints as
// nothing or only marks another by its code and Unicode name ("0xAD (U+00AD SOFT HYPHEN)").
std::string CharacterName(char32_t character, int code);

}  // namespace eit
