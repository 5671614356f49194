// Replaying a result log: each record's edited image goes back into a rebuilt file.
#include <algorithm>
#include <set>
#include <utility>

#include "engine/entry_run.h"
#include "engine/game_folder.h"
#include "engine/game_update.h"
#include "engine/main.h"
#include "engine/result_log.h"
#include "formats/codepages.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace eit {

namespace {

// The optional lines right after the code lines at (the first) and at + 1 (the last), in any order; the codes
// of several "#Placeholders:" lines are joined, each once.
void ReadOptionalLines(const std::vector<std::string>& lines, std::size_t at, const std::string& logPath,
                       TImportRecord& record) {
  std::set<std::int32_t> placeholders;
  std::set<std::pair<std::int32_t, std::int32_t>> alike;
  for (std::size_t index = at + 2; index < lines.size(); ++index) {
    const std::string token = FirstToken(lines[index]);
    if (token == kTableKeyword) {
      record.TablePath = KeywordValue(lines[index], kTableKeyword);
    } else if (token == kCodepageKeyword) {
      // Only names letters in messages: a page not known leaves them named by code.
      const std::string page = KeywordValue(lines[index], kCodepageKeyword);
      for (const int known : KnownCodePages())
        if (page == std::to_string(known)) record.CodePage = known;
    } else if (token == kPlaceholdersKeyword) {
      for (const std::int32_t code : ParsePlaceholders(lines[index]))
        if (placeholders.insert(code).second) record.Placeholders.push_back(code);
    } else if (token == kLostKeyword) {
      for (const std::int32_t code : ParseLost(lines[index]))
        if (std::find(record.Lost.begin(), record.Lost.end(), code) == record.Lost.end()) record.Lost.push_back(code);
    } else if (token == kAlikeKeyword) {
      for (const auto& pair : ParseAlike(lines[index]))
        if (alike.insert(pair).second) record.Alike.push_back(pair);
    } else if (token == kNewKeyword) {
      const std::optional<std::int32_t> code = ParseCodeLine(lines[index], kNewKeyword);
      if (!code || *code < KeptCodeLimit || *code > 0x100) {
        record.RangeError = Says(EIT_SAYS("%1: line %2: \"%3\" should name the first code that takes a glyph from the "
                                          "sheet, 0x7F to 0x100, as in \"%4\""),
                                 {logPath, std::to_string(index + 1), lines[index], CodeLine(kNewKeyword, 0x80)});
        return;
      }
      record.NewCode = *code;
      if (record.EndCode < record.NewCode) {
        record.RangeError = Says(EIT_SAYS("%1: line %2: \"%3\" ends the range before its new glyphs start (\"%4\", line "
                                          "%5); %6 is the code after the last new glyph"),
                                 {logPath, std::to_string(at + 2), lines[at + 1], lines[index], std::to_string(index + 1),
                                  kLastKeyword});
        return;
      }
    } else {
      break;
    }
  }
}

// The font record's range from its two code lines, or what is wrong with them.
void ReadRange(const std::vector<std::string>& lines, std::size_t at, const std::string& logPath,
               TImportRecord& record) {
  const char* patterns[2] = {kFirstKeyword, kLastKeyword};
  std::int32_t* codes[2] = {&record.FirstCode, &record.EndCode};
  for (int k = 0; k < 2; ++k) {
    const std::size_t index = at + static_cast<std::size_t>(k);
    const std::optional<std::int32_t> code =
        index < lines.size() ? ParseCodeLine(lines[index], patterns[k]) : std::nullopt;
    if (code) {
      *codes[k] = *code;
      continue;
    }
    record.RangeError = index < lines.size()
                            ? Says(EIT_SAYS("%1: line %2: a font record needs \"%3 0x<hex code>\" here, not \"%4\""),
                                   {logPath, std::to_string(index + 1), patterns[k], lines[index]})
                            : Says(EIT_SAYS("%1: line %2: a font record needs \"%3 0x<hex code>\" here, but the log ends"),
                                   {logPath, std::to_string(index + 1), patterns[k]});
    return;
  }
  // A range that holds no code would rebuild the font unchanged and call it done.
  if (record.EndCode <= record.FirstCode) {
    record.RangeError = Says(record.EndCode == record.FirstCode
                                 ? EIT_SAYS("%1: line %2: \"%3\" is the code of \"%4\" (line %5), so the range holds no "
                                            "code; %6 is the code after the last one to lay")
                                 : EIT_SAYS("%1: line %2: \"%3\" is before the code of \"%4\" (line %5), so the range holds "
                                            "no code; %6 is the code after the last one to lay"),
                             {logPath, std::to_string(at + 2), lines[at + 1], lines[at], std::to_string(at + 1), kLastKeyword});
    return;
  }
  ReadOptionalLines(lines, at, logPath, record);
}

}  // namespace

namespace {

// A font record's code lines, when it has them; without, its sheet must be the table's own.
void ReadFontRecord(const std::vector<std::string>& lines, std::size_t i, const std::string& logPath,
                    TReplayStep& step) {
  const std::string first = kFirstKeyword;
  step.Record.RangeGiven = i + 2 < lines.size() && lines[i + 2].compare(0, first.size(), first) == 0;
  if (step.Record.RangeGiven) {
    ReadRange(lines, i + 2, logPath, step.Record);
    step.Next = i + 4;
    return;
  }
  step.Next = i + 2;
  // A sheet retouched in place may have its spacing too.
  if (i + 2 < lines.size() && FirstToken(lines[i + 2]) == kTableKeyword) {
    step.Record.TablePath = KeywordValue(lines[i + 2], kTableKeyword);
    step.Next = i + 3;
  }
  step.Record.RangeError =
      Says(EIT_SAYS("%1: line %2: the glyph sheet %3 is not the table's own (its cells are not those the extract drew), so "
                    "it holds new glyphs, and a record of new glyphs needs \"%4 0x<hex code>\" and \"%5 0x<hex code>\" "
                    "lines under its %6 line"),
           {logPath, std::to_string(i + 3), step.Record.ImagePath, first, kLastKeyword, LogKeywords.Target});
}

}  // namespace

namespace {

// What the lines an extract writes before the source line say of the record: its tree, digest and origins.
void ReadPrefix(const std::vector<std::string>& lines, const TRecordSpan& span, const std::string& logPath,
                TImportRecord& record) {
  for (std::size_t k = span.Begin; k < span.Source; ++k) {
    const std::string token = FirstToken(lines[k]);
    if (token == kTreeKeyword) {
      record.TreeError = {};
      record.Tree = TreeFolderOf(lines[k], record.TreeError);
      if (!record.TreeError.English.empty())
        record.TreeError = Says(EIT_SAYS("%1: line %2: %3"), {logPath, std::to_string(k + 1), record.TreeError});
    } else if (token == kDigestKeyword) {
      record.Digest = ParseDigestLine(lines[k]);
    } else if (token == kOriginKeyword) {
      if (const auto origin = ParseOriginLine(lines[k])) record.Origins.push_back(*origin);
    }
  }
}

void ReadRecord(const std::vector<std::string>& lines, const TRecordSpan& span, const std::string& logPath,
                TReplayStep& step) {
  const std::size_t i = span.Source;
  step.IsRecord = true;
  step.Format = span.Format;
  step.Record.Log = logPath;
  const TTargetLine target = span.HasTarget() ? ParseTargetLine(lines[span.Target]) : TTargetLine{};
  step.Record.ImageIsBitmap = target.Bitmap;
  step.Record.ImagePath = target.ImagePath;
  ReadPrefix(lines, span, logPath, step.Record);
  if (span.Format == TJobKind::FontSheet)
    ReadFontRecord(lines, i, logPath, step);
  else
    step.Next = i + 2;
}

}  // namespace

std::vector<TReplayStep> PlanReplay(const std::vector<std::string>& lines, const std::string& logPath) {
  const std::vector<TRecordSpan> spans = RecordSpans(lines);
  std::vector<TReplayStep> steps;
  steps.reserve(lines.size() / 3 + 1);
  std::size_t r = 0;
  for (std::size_t i = 0; i < lines.size();) {
    TReplayStep step;
    step.Line = i;
    step.Next = i + 1;
    while (r < spans.size() && spans[r].Source < i) ++r;
    if (r < spans.size() && spans[r].Source == i) {
      step.Record.SourcePath = KeywordValue(lines[i], LogKeywords.Source);
      if (spans[r].Format == TJobKind::Texture || spans[r].Format == TJobKind::FontSheet)
        ReadRecord(lines, spans[r], logPath, step);
    }
    steps.push_back(std::move(step));
    i = steps.back().Next;
  }
  return steps;
}

std::vector<std::pair<std::size_t, std::string>> NumberedListEntries(const std::vector<std::string>& lines) {
  std::vector<std::pair<std::size_t, std::string>> entries;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!FirstToken(lines[i]).empty()) entries.emplace_back(i + 1, lines[i]);
  return entries;
}

std::vector<std::string> ProjectListEntries(const std::vector<std::string>& lines) {
  std::vector<std::string> entries;
  for (auto& entry : NumberedListEntries(lines)) entries.push_back(std::move(entry.second));
  return entries;
}

std::string ImageBesideLog(const std::string& logPath, const std::string& imagePath, const std::string& tree) {
  const std::string logDir = ExtractFileDir(AbsolutePath(logPath));
  // A record of a folder extract says where in the tree its image lies.
  if (!tree.empty()) {
    const std::string inTree = JoinPath(JoinPath(logDir, tree), ExtractFileName(imagePath));
    if (FileExists(inTree)) return inTree;
  }
  // A moved game tree keeps its images in their folders below the log: the deepest of the image's own
  // folders found below the log's is where it went; an image beside the log is taken by its name.
  std::vector<std::string> folders;
  for (std::string dir = ExtractFileDir(imagePath); !dir.empty() && folders.size() < 32;) {
    const std::string parent = ExtractFileDir(dir);
    if (parent == dir) break;
    folders.push_back(ExtractFileName(dir));
    dir = parent;
  }
  for (std::size_t depth = folders.size(); depth > 0; --depth) {
    std::string candidate = logDir;
    for (std::size_t k = depth; k > 0; --k) candidate = JoinPath(candidate, folders[k - 1]);
    candidate = JoinPath(candidate, ExtractFileName(imagePath));
    if (FileExists(candidate)) return candidate;
  }
  return JoinPath(logDir, ExtractFileName(imagePath));
}

}  // namespace eit
