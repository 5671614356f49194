#include "engine/result_log.h"

#include "formats/codepages.h"
#include "platform/paths.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace eit {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string FormatLine(TJobKind kind) { return LogKeywords.Format + " " + FormatNameOf(kind); }
std::string SourceLine(const std::string& path) { return LogKeywords.Source + " " + path; }
std::string TargetLine(bool bitmap, const std::string& imagePath) {
  return LogKeywords.Target + (bitmap ? " BMP: " : " TGA: ") + imagePath;
}
std::string CodeLine(const char* keyword, std::int32_t code) { return std::string(keyword) + " " + CodeText(code); }
// A folder whose names hold '\\' or ':' (which POSIX systems allow) is written encoded, behind a ':' that no
// plain tree line may hold, so that every log written before reads as it did: "#Tree: :lev%3Ael/a".
std::string TreeLine(const std::string& folder) {
  std::string value = folder;
  if (PathDelim == '\\' || folder.find_first_of("\\:") == std::string::npos) {
    std::replace(value.begin(), value.end(), '\\', '/');
    return std::string(kTreeKeyword) + " " + value;
  }
  std::string line = std::string(kTreeKeyword) + " :";
  for (const char c : folder) {
    if (c == '%') line.append("%25");
    else if (c == '\\') line.append("%5C");
    else if (c == ':') line.append("%3A");
    else line.push_back(c);
  }
  return line;
}

namespace {

// One name of an encoded tree line, or nothing for an escape that is none of the three.
std::optional<std::string> Decoded(const std::string& part) {
  std::string name;
  for (std::size_t i = 0; i < part.size(); ++i) {
    if (part[i] == ':' || part[i] == '\\') return std::nullopt;  // written escaped, always
    if (part[i] != '%') {
      name += part[i];
      continue;
    }
    const std::string code = part.substr(i + 1, 2);
    if (code == "25") name += '%';
    else if (code == "5C" || code == "5c") name += '\\';
    else if (code == "3A" || code == "3a") name += ':';
    else return std::nullopt;
    i += 2;
  }
  return name;
}

}  // namespace

namespace {

TText FolderOutside(const std::string& line) {
  return Says(EIT_SAYS("\"%1\" names a folder outside the target directory"), {line});
}

TText FolderNameImpossible(const std::string& line) {
  return Says(EIT_SAYS("\"%1\" names a folder whose name this system cannot have"), {line});
}

}  // namespace

std::string TreeFolderOf(const std::string& line, TText& error) {
  std::string value = KeywordValue(line, kTreeKeyword);
  const bool encoded = !value.empty() && value[0] == ':';
  if (encoded) value.erase(0, 1);
  else std::replace(value.begin(), value.end(), '\\', '/');
  std::string folder;
  for (std::size_t at = 0; at <= value.size();) {
    const std::size_t end = std::min(value.find('/', at), value.size());
    const std::optional<std::string> part =
        encoded ? Decoded(value.substr(at, end - at)) : std::optional<std::string>(value.substr(at, end - at));
    const bool outside = !part || (part->empty() && at == 0 && end < value.size()) || *part == ".." ||
                         (!encoded && part->find(':') != std::string::npos);
    if (outside) {
      error = FolderOutside(line);
      return "";
    }
    // Names this system cannot have (a Linux game's "lev:el" on Windows) are refused, not split.
    if (PathDelim == '\\' && part->find_first_of("\\:") != std::string::npos) {
      error = FolderNameImpossible(line);
      return "";
    }
    if (!part->empty() && *part != ".") folder += (folder.empty() ? "" : std::string(1, PathDelim)) + *part;
    at = end + 1;
  }
  return folder;
}
namespace {

std::string CodesLine(const char* keyword, const std::vector<int>& codes) {
  std::string line = keyword;
  for (const int code : codes) line.append(" ").append(CodeText(code));
  return line;
}

}  // namespace

std::vector<std::string> FontRecord(const std::string& tablePath, const std::string& imagePath, std::int32_t first,
                                    std::int32_t end, const TSheetFindings& findings) {
  std::vector<std::string> lines = {FormatLine(TJobKind::FontSheet), SourceLine(tablePath), TargetLine(false, imagePath),
                                    CodeLine(kFirstKeyword, first), CodeLine(kLastKeyword, end)};
  if (findings.NewCode != NewGlyphCode) lines.push_back(CodeLine(kNewKeyword, findings.NewCode));
  if (findings.CodePage != 0) lines.push_back(std::string(kCodepageKeyword) + " " + std::to_string(findings.CodePage));
  if (!findings.Placeholders.empty()) lines.push_back(CodesLine(kPlaceholdersKeyword, findings.Placeholders));
  if (!findings.Alike.empty()) {
    std::string pairs = kAlikeKeyword;
    for (const auto& [a, b] : findings.Alike) pairs.append(" ").append(CodeText(a)).append("=").append(CodeText(b));
    lines.push_back(pairs);
  }
  if (!findings.Lost.empty()) lines.push_back(CodesLine(kLostKeyword, findings.Lost));
  if (!findings.Table.empty()) lines.push_back(std::string(kTableKeyword) + " " + findings.Table);
  return lines;
}

bool IsResultLogKeyword(const std::string& token) {
  return token == LogKeywords.Format || token == LogKeywords.Source || token == LogKeywords.Target ||
         token == kFirstKeyword || token == kLastKeyword || token == kNewKeyword || token == kPlaceholdersKeyword ||
         token == kAlikeKeyword || token == kLostKeyword || token == kTreeKeyword || token == kDigestKeyword ||
         token == kOriginKeyword || token == kTableKeyword || token == kCodepageKeyword;
}

std::string FirstToken(const std::string& line) {
  std::size_t start = 0;
  while (start < line.size() && IsBlank(line[start])) ++start;
  std::size_t end = start;
  while (end < line.size() && !IsBlank(line[end])) ++end;
  return line.substr(start, end - start);
}

std::string KeywordValue(const std::string& line, const std::string& keyword) {
  const std::size_t cut = keyword.size() + 1;
  return cut < line.size() ? line.substr(cut) : std::string();
}

TJobKind RecordFormatOf(const std::string& value) {
  const std::string token = FirstToken(value);
  for (std::size_t k = 0; k < FormatNames.size(); ++k)
    if (!token.empty() && token == FormatNames[k]) return FilterKinds[k];
  return TJobKind::NoFormat;
}

bool IsTargetLine(const std::string& line) { return FirstToken(line) == LogKeywords.Target; }

TTargetLine ParseTargetLine(const std::string& line) {
  const std::size_t colon = line.find(':');
  TTargetLine target;
  target.Bitmap = colon != std::string::npos && line.substr(0, colon) == LogKeywords.Target + " BMP";
  if (colon != std::string::npos && colon + 2 <= line.size()) target.ImagePath = line.substr(colon + 2);
  return target;
}

namespace {

// "0xE8": the code, or -1.
int CodeToken(const std::string& token) {
  if (token.size() < 3 || token.size() > 4 || token.compare(0, 2, "0x") != 0) return -1;
  int value = 0;
  for (std::size_t k = 2; k < token.size(); ++k) {
    if (HexDigit(token[k]) < 0) return -1;
    value = value * 16 + HexDigit(token[k]);
  }
  return value;
}

// The white-space separated words of a line after its keyword.
std::vector<std::string> WordsAfter(const std::string& line, const char* keyword) {
  std::vector<std::string> words;
  for (std::size_t i = std::string(keyword).size(); i < line.size();) {
    while (i < line.size() && IsSpace(line[i])) ++i;
    std::size_t end = i;
    while (end < line.size() && !IsSpace(line[end])) ++end;
    if (end > i) words.push_back(line.substr(i, end - i));
    i = end;
  }
  return words;
}

}  // namespace

std::vector<std::int32_t> ParsePlaceholders(const std::string& line) {
  std::vector<std::int32_t> codes;
  for (const std::string& word : WordsAfter(line, kPlaceholdersKeyword))
    if (const int code = CodeToken(word); code >= 0) codes.push_back(code);
  return codes;
}

std::vector<std::int32_t> ParseLost(const std::string& line) {
  std::vector<std::int32_t> codes;
  for (const std::string& word : WordsAfter(line, kLostKeyword))
    if (const int code = CodeToken(word); code >= 0) codes.push_back(code);
  return codes;
}

std::vector<std::pair<std::int32_t, std::int32_t>> ParseAlike(const std::string& line) {
  std::vector<std::pair<std::int32_t, std::int32_t>> pairs;
  for (const std::string& word : WordsAfter(line, kAlikeKeyword)) {
    const std::size_t eq = word.find('=');
    if (eq == std::string::npos) continue;
    const int a = CodeToken(word.substr(0, eq)), b = CodeToken(word.substr(eq + 1));
    if (a >= 0 && b >= 0) pairs.emplace_back(a, b);
  }
  return pairs;
}

std::optional<std::int32_t> ParseCodeLine(const std::string& line, const std::string& keyword) {
  if (line.compare(0, keyword.size(), keyword) != 0) return std::nullopt;
  std::size_t i = keyword.size();
  while (i < line.size() && IsSpace(line[i])) ++i;  // the pattern's blank: any white space, or none
  if (line.compare(i, 2, "0x") != 0) return std::nullopt;
  i += 2;
  while (i < line.size() && IsSpace(line[i])) ++i;  // %X skips white space itself
  bool negative = false;
  if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
  if (line.compare(i, 2, "0x") == 0 || line.compare(i, 2, "0X") == 0) {
    if (i + 2 < line.size() && HexDigit(line[i + 2]) >= 0) i += 2;
  }
  std::int64_t value = 0;
  std::size_t digits = 0;
  for (; i < line.size() && HexDigit(line[i]) >= 0; ++i, ++digits) {
    value = value * 16 + HexDigit(line[i]);
    if (value > INT32_MAX) return std::nullopt;
  }
  if (digits == 0 || (negative && value != 0)) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace eit
