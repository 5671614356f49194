// The result log: the one place that knows its lines, for writing and for reading.
//
// A record is "#Format: DDS" or "#Format: TDT" (once, before the records of that format), then
// "#Source: <file>", "#Target BMP: <image>" or "#Target TGA: <image>", and for a font the range of
// codes its new glyphs replace, "#First: 0x20" and "#Last: 0x100", then two optional lines: "#New: 0x80",
// the first code that takes a glyph from the sheet (0xC0 without it), and "#Placeholders: 0x8C 0x9C",
// the codes whose glyphs are boxes standing in for letters the font had not, and "#Alike: 0xE8=0xED",
// letters the sheet drew alike. Readers that know none of them pass them over.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/jobs.h"
#include "engine/main.h"

namespace eit {

// Every keyword of a result log's lines, and of the mod record beside it, is here and nowhere else.
// The keywords that begin a record.
struct TLogKeywords {
  std::string Format = "#Format:", Source = "#Source:", Target = "#Target";
};
inline const TLogKeywords LogKeywords;
// The code lines' keywords.
inline constexpr const char* kFirstKeyword = "#First:";
inline constexpr const char* kLastKeyword = "#Last:";
inline constexpr const char* kNewKeyword = "#New:";
inline constexpr const char* kPlaceholdersKeyword = "#Placeholders:";
inline constexpr const char* kAlikeKeyword = "#Alike:";
inline constexpr const char* kLostKeyword = "#Lost:";  // letters whose marks the sheet did not draw
inline constexpr const char* kCodepageKeyword = "#Codepage:";  // the code page the sheet drew the letters in
// A font record's glyph table as text ("#Table: FILE.csv"): applied after the glyphs are laid, so that
// spacing set in a spreadsheet survives the sheet's next insert.
inline constexpr const char* kTableKeyword = "#Table:";
// Lines an extract writes between a record's format line and its source line, which readers that know
// them not pass over: the record's folder in a game's tree ("#Tree: levels/a", written only by a folder
// extract: an insert mirrors the tree only for such records), and the image as written ("#Digest: ...",
// which tells an insert an unedited image without decoding it).
inline constexpr const char* kTreeKeyword = "#Tree:";
inline constexpr const char* kDigestKeyword = "#Digest:";
// The record's source as the extract read it ("#Origin: <size> <time> <hash> ..."; a font's table, then its
// texture), which tells extract --update a source the game changed since.
inline constexpr const char* kOriginKeyword = "#Origin:";
// The mod record beside a log ("<log>.mods"): a mod folder, then a record's "#Source:" line, then a
// "#Wrote: <size> <hash> <path>" line for each file an insert wrote into that folder for it.
inline constexpr const char* kModKeyword = "#Mod:";
inline constexpr const char* kWroteKeyword = "#Wrote:";

// --- Writing --------------------------------------------------------------------------------

// "#Format: " and the format name of the kind (empty for the replay kinds).
std::string FormatLine(TJobKind kind);
std::string SourceLine(const std::string& path);
std::string TargetLine(bool bitmap, const std::string& imagePath);
// "#First: 0x20"
std::string CodeLine(const char* keyword, std::int32_t code);
// "#Tree: levels/a", with '/' between folders whatever the system (logs travel).
std::string TreeLine(const std::string& folder);
// What a sheet drawn from a font tells the insert of its letters, each written only when there is any.
struct TSheetFindings {
  std::int32_t NewCode = NewGlyphCode;                 // "#New: 0x80" when not 0xC0
  std::vector<int> Placeholders;                       // "#Placeholders: 0x8C": boxes for letters the font lacks
  std::vector<std::pair<int, int>> Alike;              // "#Alike: 0xE8=0xED": letters drawn alike
  std::vector<int> Lost;                               // "#Lost: 0x8D": letters whose marks did not come out
  int CodePage = 0;                                    // "#Codepage: 1250": so that the insert names the letters
  std::string Table;                                   // "#Table: FILE.csv": the spacing kept across inserts
};
// The lines of a font record whose new glyphs come from the sheet at imagePath (TGA): five, then a line for
// each of the findings there are.
std::vector<std::string> FontRecord(const std::string& tablePath, const std::string& imagePath, std::int32_t first,
                                    std::int32_t end, const TSheetFindings& findings = {});

// A record as an extract writes it.
struct TLogRecord {
  TJobKind Format = TJobKind::None;
  std::string Tree;                   // its folder in a game's tree; empty for none
  std::vector<TImageStamp> Origins;   // its sources as read (a font: its table, then its texture)
  std::optional<TImageStamp> Digest;  // its image as written
  std::string Source;
  bool Bitmap = false;
  std::string Image;  // empty until the image is written
};
// Its lines, in the order every reader attaches them: format, tree, origins, digest, source, target.
std::vector<std::string> RecordLines(const TLogRecord& record);

// --- Reading --------------------------------------------------------------------------------

// Where a record's lines lie in a log. Its source line begins it; the lines an extract writes before a
// source line (tree, origins, digest) belong to the record of that source line, with the user's lines
// among them, up to the line after the last format, source or other record line above; its target line
// is the line after its source line; it ends where the next record begins, at the next format line, or
// at the end. Every reader takes a log's records from here.
struct TRecordSpan {
  std::size_t Begin = 0;   // its first line: its first tree, origin or digest line, else its source line
  std::size_t Source = 0;  // its source line
  std::size_t Target = 0;  // its target line; Source when it has none
  std::size_t End = 0;     // one past its last line
  TJobKind Format = TJobKind::NoFormat;  // the format line above it (NoFormat: none the replay knows)
  bool HasTarget() const { return Target != Source; }
};
std::vector<TRecordSpan> RecordSpans(const std::vector<std::string>& lines);
// Lines an extract writes before a record's source line: "#Tree:", "#Origin:", "#Digest:".
bool IsRecordPrefix(const std::string& token);

// Whether a line's first token is one of the log's keywords (record and code lines alike).
bool IsResultLogKeyword(const std::string& token);
// The first blank-delimited token (blanks: spaces and tabs).
std::string FirstToken(const std::string& line);
// The keyword's value: the line without the keyword and the one character after it.
std::string KeywordValue(const std::string& line, const std::string& keyword);
// The record format a format line's value selects: TJobKind::Texture for "DDS", TJobKind::FontSheet for "TDT"
// (case matters), TJobKind::NoFormat for anything else or nothing.
TJobKind RecordFormatOf(const std::string& value);

struct TTargetLine {
  bool Bitmap = false;    // only "#Target BMP" before the first colon means a bitmap
  std::string ImagePath;  // after the colon, without its first character
};
TTargetLine ParseTargetLine(const std::string& line);
// Whether the line is a target line: its first token is "#Target" ("#Target BMP: ...", "#Target TGA: ...").
bool IsTargetLine(const std::string& line);

// Reads a code line as scanf reads "<keyword> 0x%X": the keyword, any white space, "0x", then a
// hexadecimal number (scanf's own leading blanks, sign and 0x prefix allowed). Empty when the line
// does not match, or the number is negative or does not fit 32-bit signed.
std::optional<std::int32_t> ParseCodeLine(const std::string& line, const std::string& keyword);
// The codes of a "#Placeholders: 0x8C 0x9C" line; what is no code is passed over.
std::vector<std::int32_t> ParsePlaceholders(const std::string& line);
// The codes of a "#Lost: 0x8D 0x9D" line.
std::vector<std::int32_t> ParseLost(const std::string& line);
// The pairs of an "#Alike: 0xE8=0xED 0x9F=0xBF" line; what is no pair of codes is passed over.
std::vector<std::pair<std::int32_t, std::int32_t>> ParseAlike(const std::string& line);
// The folder of a "#Tree:" line in the system's form, or an error when it would lead out of the target
// (absolute, a drive, "..").
std::string TreeFolderOf(const std::string& line, TText& error);

// One step of a replay: a line visited, and the record that starts there when it is one.
struct TReplayStep {
  std::size_t Line = 0;  // index of the line visited
  std::size_t Next = 0;  // index of the line visited after it
  bool IsRecord = false;
  TJobKind Format = TJobKind::NoFormat;  // the record's format (TJobKind::Texture, TJobKind::FontSheet), or TJobKind::NoFormat
  TImportRecord Record;          // paths and codes; Source and OutputPath are left to the replay
};

// Turns a log's lines into the steps of its replay, touching no file. A "#Source" line under a known
// format is a record: its target line follows (2 lines for a texture; for a font 4 with the code lines,
// 2 when the line after the target is no "#First:" line); under no known format it is passed over. The
// "#Tree:" and "#Digest:" lines before a source line belong to its record.
std::vector<TReplayStep> PlanReplay(const std::vector<std::string>& lines, const std::string& logPath);

// The entries of a project list: its lines, without empty or blank ones.
std::vector<std::string> ProjectListEntries(const std::vector<std::string>& lines);
// The same with the line number (from 1) of each, for messages that name the list.
std::vector<std::pair<std::size_t, std::string>> NumberedListEntries(const std::vector<std::string>& lines);

}  // namespace eit
