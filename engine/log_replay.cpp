// Replaying a result log: each record's edited image goes back into a rebuilt file.
#include <algorithm>
#include <set>
#include <utility>

#include "engine/entry_run.h"
#include "engine/game_folder.h"
#include "engine/game_update.h"
#include "engine/main.h"
#include "engine/result_log.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace eit {

namespace {

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
    record.RangeError = logPath + ": line " + std::to_string(index + 1) + ": a font record needs \"" + patterns[k] +
                        " 0x<hex code>\" here" +
                        (index < lines.size() ? ", not \"" + lines[index] + "\"" : ", but the log ends");
    return;
  }
  // A range that holds no code would rebuild the font unchanged and call it done.
  if (record.EndCode <= record.FirstCode) {
    record.RangeError = logPath + ": line " + std::to_string(at + 2) + ": \"" + lines[at + 1] + "\" is " +
                        (record.EndCode == record.FirstCode ? "the" : "before the") + " code of \"" + lines[at] +
                        "\" (line " + std::to_string(at + 1) + "), so the range holds no code; #Last: is the code after "
                        "the last one to lay";
    return;
  }
  // The optional lines right after "#Last:", in any order; the codes of several "#Placeholders:" lines
  // are joined, each once.
  std::set<std::int32_t> placeholders;
  std::set<std::pair<std::int32_t, std::int32_t>> alike;
  for (std::size_t index = at + 2; index < lines.size(); ++index) {
    const std::string token = FirstToken(lines[index]);
    if (token == kPlaceholdersKeyword) {
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
        record.RangeError = logPath + ": line " + std::to_string(index + 1) + ": \"" + lines[index] +
                            "\" should name the first code that takes a glyph from the sheet, 0x7F to 0x100, as "
                            "in \"#New: 0x80\"";
        return;
      }
      record.NewCode = *code;
      if (record.EndCode < record.NewCode) {
        record.RangeError = logPath + ": line " + std::to_string(at + 2) + ": \"" + lines[at + 1] +
                            "\" ends the range before its new glyphs start (\"" + lines[index] + "\", line " +
                            std::to_string(index + 1) + "); #Last: is the code after the last new glyph";
        return;
      }
    } else {
      break;
    }
  }
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
  step.Record.RangeError = logPath + ": line " + std::to_string(i + 3) + ": the glyph sheet " + step.Record.ImagePath +
                           " is not the table's own (its cells are not those the extract drew), so it holds new "
                           "glyphs, and a record of new glyphs needs \"" + first + " 0x<hex code>\" and \"" +
                           kLastKeyword + " 0x<hex code>\" lines under its #Target line";
}

}  // namespace

std::vector<TReplayStep> PlanReplay(const std::vector<std::string>& lines, const std::string& logPath) {
  std::vector<TReplayStep> steps;
  steps.reserve(lines.size() / 3 + 1);
  TJobKind format = TJobKind::NoFormat;
  std::string tree, treeError;  // the lines before the next record's source line
  std::optional<TImageStamp> digest;
  std::vector<TImageStamp> origins;
  const std::size_t n = lines.size();
  for (std::size_t i = 0; i < n;) {
    TReplayStep step;
    step.Line = i;
    step.Next = i + 1;
    const std::string& line = lines[i];
    const std::string token = FirstToken(line);
    if (token == LogKeywords.Format) {
      format = RecordFormatOf(KeywordValue(line, LogKeywords.Format));
    } else if (token == kTreeKeyword) {
      treeError.clear();
      tree = TreeFolderOf(line, treeError);
      if (!treeError.empty()) treeError = logPath + ": line " + std::to_string(i + 1) + ": " + treeError;
    } else if (token == kDigestKeyword) {
      digest = ParseDigestLine(line);
    } else if (token == kOriginKeyword) {
      if (const auto origin = ParseOriginLine(line)) origins.push_back(*origin);
    } else if (token == LogKeywords.Source && (format == TJobKind::Texture || format == TJobKind::FontSheet)) {
      step.IsRecord = true;
      step.Format = format;
      step.Record.SourcePath = KeywordValue(line, LogKeywords.Source);
      const TTargetLine target = i + 1 < n ? ParseTargetLine(lines[i + 1]) : TTargetLine{};
      step.Record.ImageIsBitmap = target.Bitmap;
      step.Record.ImagePath = target.ImagePath;
      step.Record.Tree = std::exchange(tree, {});
      step.Record.TreeError = std::exchange(treeError, {});
      step.Record.Digest = std::exchange(digest, std::nullopt);
      step.Record.Origins = std::exchange(origins, {});
      if (format == TJobKind::FontSheet)
        ReadFontRecord(lines, i, logPath, step);
      else
        step.Next = i + 2;
    } else if (token == LogKeywords.Source) {
      step.Record.SourcePath = KeywordValue(line, LogKeywords.Source);
      tree.clear(), treeError.clear(), digest.reset(), origins.clear();
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

namespace {

// A log moved with its folder still names the images where they were; the ones beside it, which the
// user may have edited since, would be passed over without a word.
std::optional<std::string> MovedLogWarning(const std::string& logPath, const std::string& imagePath,
                                           const std::string& tree) {
  const std::string beside = ImageBesideLog(logPath, imagePath, tree);
  const std::string named = AbsolutePath(imagePath);
  if (ExtractFileDir(named) == ExtractFileDir(beside) || !FileExists(beside) || SameFile(beside, named))
    return std::nullopt;
  return "this log names " + named + "; the image beside it, " + beside + ", is not used";
}

}  // namespace

void TBatchEngine::ReplayRecord(TEntryRun& run, const std::string& logPath, const TReplayStep& step) {
  TImportRecord record = step.Record;
  // A record whose image line is cut off or empty cannot be replayed: skipping it would hide the fault.
  if (FirstToken(record.ImagePath).empty())
    throw Exception(logPath + ": line " + std::to_string(step.Line + 2) + ": the record of " + record.SourcePath +
                    " names no edited image (a \"" + TargetLine(true, "<path>") + "\" or \"" +
                    TargetLine(false, "<path>") + "\" line)");
  if (!record.TreeError.empty()) throw Exception(record.TreeError);
  run.Folder = record.Tree;
  if (run.Direct) shownFolder_ = record.Tree;
  if (request_->ImagesBesideLog) record.ImagePath = ImageBesideLog(logPath, record.ImagePath, record.Tree);
  // Said whether or not the record is rebuilt: the image beside the log may be the one the user edited.
  if (!request_->ImagesBesideLog)
    if (const auto warning = MovedLogWarning(logPath, record.ImagePath, record.Tree)) run.Warning(record.SourcePath, *warning);
  // A texture's image that still holds what the extract wrote needs no rebuild, nor a decode to tell. A
  // font's sheet is always read: what was drawn outside its glyphs' boxes is worth a warning.
  if (request_->ChangedOnly && step.Format == TJobKind::Texture && record.Digest &&
      StillAsStamped(record.ImagePath, *record.Digest)) {
    run.Unedited(record.SourcePath);
    return;
  }
  if (const auto stale = StaleEditWarning(record, step.Format)) run.Warning(record.SourcePath, *stale, "an edit older than its source");
  if (DirectoryExists(record.ImagePath))
    throw Exception(logPath + ": line " + std::to_string(step.Line + 2) + ": the edited image of " + record.SourcePath +
                    ", " + record.ImagePath + ", is a folder, not an image file");
  run.CurrentFiles = {logPath, record.SourcePath, record.ImagePath, FontTexturePath(record.SourcePath)};
  // Sources are opened for reading only; outputs are checked against them before creation.
  std::unique_ptr<TFileStream> SourceStream;
  if (FileExists(record.SourcePath))
    SourceStream = std::make_unique<TFileStream>(record.SourcePath, FileMode::OpenRead);
  record.Source = SourceStream.get();
  // A record a folder extract wrote puts its rebuilt file in its folder below the target: the mod mirrors
  // the game. Every other record goes to the target itself, wherever its image lies.
  record.OutputPath = JoinPath(FolderUnder(request_->TargetDir, record.Tree), ExtractFileName(record.SourcePath));
  if (step.Format == TJobKind::Texture) {
    ImportTexture(run.Context, record);
  } else {
    SourceStream.reset();  // the font import works from the paths
    record.Source = nullptr;
    ImportFontSheet(run.Context, record);
  }
}

void TBatchEngine::ReplayLog(TEntryRun& run, const std::string& logPath) {
  // Planned once, before the run wrote anything (a log that could not be read then is read now, and says why).
  const auto planned = plans_.find(logPath);
  TLogPlan read;
  if (planned == plans_.end()) {
    const std::vector<std::string> lines = LoadLines(logPath);
    read = {lines.size(), PlanReplay(lines, logPath)};
  }
  const TLogPlan& plan = planned == plans_.end() ? read : planned->second;
  const std::vector<TReplayStep>& steps = plan.Steps;
  // An insert that did nothing must not read as one that succeeded.
  if (std::none_of(steps.begin(), steps.end(), [](const TReplayStep& s) { return s.IsRecord; }))
    throw Exception(logPath + (plan.LineCount == 0 ? " is empty" : " holds no record") +
                    ": a record is a \"#Format: DDS\" or \"#Format: TDT\" line, then \"#Source:\" and \"#Target\" "
                    "lines, as an extract writes them");
  // Progress and messages go to the front end only from the calling thread (runs of one worker).
  const bool show = run.Direct;
  const std::string caption = "Processing " + ExtractFileName(logPath) + "...";
  if (show) frontEnd_.SetCurrentMessage(caption);
  if (show) frontEnd_.SetTotal(0);
  const std::size_t n = plan.LineCount;
  for (const TReplayStep& step : steps) {
    if (show) {
      frontEnd_.SetCurrentMessage(caption);
      // A log of one line would divide by zero: its bar stays at 0.
      frontEnd_.SetTotal(n > 1 ? static_cast<int>(step.Line * 100 / (n - 1)) : 0);
    }
    if (!step.Record.SourcePath.empty()) {
      run.CurrentSource = step.Record.SourcePath;
      if (show) frontEnd_.SetCurrentMessage("Processing " + ExtractFileName(run.CurrentSource) + "...");
    }
    if (step.IsRecord && !request_->KeepGoing) {
      ReplayRecord(run, logPath, step);
    } else if (step.IsRecord) {
      // A failed record is named and the log goes on; memory that runs out beside other workers is the
      // run's to handle (it runs the entry again, one at a time).
      try {
        ReplayRecord(run, logPath, step);
      } catch (const std::exception& e) {
        if (IsOutOfMemory(e) && !run.Direct) throw;
        bool named = false;
        run.RecordFailed(FailureText(run, e, named));
      }
    }
    if (show) {
      ShowProgress(std::min(progress_ + 1, 100));
      frontEnd_.ProcessMessages();
    }
    if (stop_ != 0) {
      run.ReplayStopped = step.Next < n;
      return;
    }
  }
}

}  // namespace eit
