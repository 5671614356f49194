#include "engine/target_folder.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>
#include <unordered_map>

#include "engine/game_folder.h"
#include "engine/job_files.h"
#include "engine/result_log.h"
#include "platform/files.h"
#include "platform/text_files.h"
#include "engine/main.h"
#include "platform/paths.h"

namespace eit {

namespace {

// The texture whose header decides an export's name: the entry's own, or a font table's beside it.
std::string TextureOf(const TJobEntry& entry) {
  return entry.Kind == TJobKind::FontSheet ? FontTexturePath(entry.Path) : entry.Path;
}

}  // namespace

std::vector<std::string> ExistingImages(const TRunRequest& request) {
  std::vector<std::string> existing;
  TOutputNames names;  // the run's own naming, so that the answer is exact
  for (std::size_t i = 0; i < request.Entries.size(); ++i) {
    const TJobEntry& entry = request.Entries[i];
    if (!IsExportKind(entry.Kind)) continue;
    try {
      const detail::TTextureLoad load(TextureOf(entry), request.Engine);
      bool renamed = false;
      const std::string path = names.Claim(
          i, JoinPath(FolderUnder(request.TargetDir, entry.Folder), detail::ExportName(entry.Path, load.Header, request.Images)), renamed,
          true);
      if (FileExists(path)) existing.push_back(path);
    } catch (const std::exception&) {
      // Reported when the entry runs.
    }
    names.Finish(i);
  }
  return existing;
}

TText ExistingImagesText(const std::vector<std::string>& images, const std::string& targetDir) {
  constexpr std::size_t kShown = 5;
  std::string names;
  // By their place under the target: a game's tree has many a stone.bmp.
  const std::string prefix = JoinPath(targetDir, "");
  for (std::size_t i = 0; i < images.size() && i < kShown; ++i)
    names += (i == 0 ? "" : ", ") +
             (images[i].rfind(prefix, 0) == 0 ? images[i].substr(prefix.size()) : ExtractFileName(images[i]));
  return Says(images.size() == 1 ? EIT_SAYS("%1 image in %2 already exists and would be replaced: %3")
                                  : EIT_SAYS("%1 images in %2 already exist and would be replaced: %3"),
              {GroupedCount(static_cast<std::int64_t>(images.size())), targetDir,
               ListWithMore(names, images.size() - std::min(images.size(), kShown))});
}

TTargetLog ReadTargetLog(const std::string& targetDir) {
  TTargetLog log;
  log.Path = JoinPath(targetDir, "result.log");
  if (DirectoryExists(log.Path)) {
    log.Exists = true;
    log.Problem = Says(EIT_SAYS("%1 is a directory, where this run's result log would go"), {log.Path});
    return log;
  }
  if (!FileExists(log.Path)) return log;
  log.Exists = true;
  TMemoryStream bytes;
  try {
    bytes.LoadFromFile(log.Path);
  } catch (const std::exception& e) {
    log.Problem = ErrorNamingFile(e, log.Path);
    return log;
  }
  // A result log is text (UTF-16 too, as Notepad saves it): a file with NUL bytes in it is something else,
  // whatever its lines say.
  std::string text;
  try {
    text = Utf8TextOf(reinterpret_cast<const char*>(bytes.Memory()), static_cast<std::size_t>(bytes.Size()), log.Path);
  } catch (const std::exception& e) {
    log.Problem = Says(EIT_SAYS("%1, so this run's records cannot be added to it"), {WordsOf(FailureOf(e))});
    return log;
  }
  if (text.find('\0') != std::string::npos) {
    log.Problem = Says(EIT_SAYS("%1 is not a result log (it holds binary data), so this run's records cannot be added to it"),
                       {log.Path});
    return log;
  }
  log.Lines = TextLines(text.data(), text.size());  // as every log is read: older ANSI text becomes UTF-8
  // Comments and lines of other tools are passed over by the insert, and kept here; only a text with no
  // line of a result log at all is someone else's file.
  bool anyText = false;
  for (const std::string& line : log.Lines) {
    const std::string token = FirstToken(line);
    if (IsResultLogKeyword(token)) return log;
    anyText = anyText || !token.empty();
  }
  if (anyText) {
    log.Problem = Says(EIT_SAYS("%1 is not a result log (none of its lines is a line of one), so this run's records "
                                "cannot be added to it"), {log.Path});
    log.Lines.clear();
  }
  return log;
}

namespace {

// One record of this run: its lines in the run's log and the image it wrote.
struct TRunRecord {
  std::size_t Begin = 0, End = 0;
  std::string Source, Image;
  bool Kept = false;  // an old record of the same source and image stands for it
  int Targets = 0;    // its image lines (the run writes one)
  std::optional<TFileId> Id;
  bool IdRead = false;
};

// Lines a record owns: dropped with it. Any other line under it is the user's, and stays.
bool IsRecordLine(const std::string& token) { return token != LogKeywords.Format && IsResultLogKeyword(token); }

// The run's records, found by image file name (in one letter case: the cheap test that rules out
// almost every old record before a path is compared or a file looked at).
class TRunRecords {
 public:
  explicit TRunRecords(const std::vector<std::string>& lines) {
    // Every line of the run belongs to a record (its own lines, or stray ones before the next): none is lost.
    for (const TRecordSpan& span : RecordSpans(lines)) {
      TRunRecord r;
      // The run writes a format line above each record: it goes with it.
      r.Begin = span.Begin > 0 && FirstToken(lines[span.Begin - 1]) == LogKeywords.Format ? span.Begin - 1 : span.Begin;
      r.Source = KeywordValue(lines[span.Source], LogKeywords.Source);
      if (span.HasTarget()) r.Image = ParseTargetLine(lines[span.Target]).ImagePath;
      for (std::size_t k = span.Source; k < span.End; ++k) r.Targets += IsTargetLine(lines[k]) ? 1 : 0;
      records_.push_back(std::move(r));
    }
    // A format line between records, and the lines before the first, start records of no image of their own.
    std::vector<std::size_t> begins = {0};
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (FirstToken(lines[i]) == LogKeywords.Format) begins.push_back(i);
    for (const std::size_t begin : begins)
      if (std::none_of(records_.begin(), records_.end(), [&](const TRunRecord& r) { return r.Begin == begin; })) {
        TRunRecord stray;
        stray.Begin = begin;
        records_.push_back(stray);
      }
    std::sort(records_.begin(), records_.end(), [](const TRunRecord& x, const TRunRecord& y) { return x.Begin < y.Begin; });
    for (std::size_t k = 0; k < records_.size(); ++k) records_[k].End = k + 1 < records_.size() ? records_[k + 1].Begin : lines.size();
    // Only a record of one image can stand in for an old one; the others are added as they are.
    for (std::size_t k = 0; k < records_.size(); ++k)
      if (!records_[k].Image.empty() && records_[k].Targets == 1)
        byName_.emplace(FoldCase(ExtractFileName(records_[k].Image)), k);
  }

  // The run's record that wrote this image again, or null.
  TRunRecord* WroteAgain(const std::string& image) {
    if (image.empty()) return nullptr;
    const auto [from, to] = byName_.equal_range(FoldCase(ExtractFileName(image)));
    if (from == to) return nullptr;
    const std::string key = AbsolutePath(image);
    std::optional<TFileId> id;
    bool idRead = false;
    for (auto it = from; it != to; ++it) {
      TRunRecord& r = records_[it->second];
      if (AbsolutePath(r.Image) == key) return &r;
      // Another spelling of the same file (a link, letter case on Windows).
      if (!idRead) id = FileIdOf(image), idRead = true;
      if (!r.IdRead) r.Id = FileIdOf(r.Image), r.IdRead = true;
      if (id && r.Id && *id == *r.Id) return &r;
    }
    return nullptr;
  }

  const std::vector<TRunRecord>& Records() const { return records_; }

 private:
  std::vector<TRunRecord> records_;
  std::unordered_multimap<std::string, std::size_t> byName_;
};

// An old record that stays: as it was, or, written again, with what the run wrote anew (its tree, its origins,
// its digest, its image line) in place of its own, and the lines the user added to it kept.
void KeepRecord(const std::vector<std::string>& oldLines, const TRecordSpan& old, const std::vector<std::string>& newLines,
                TRunRecord* again, std::vector<std::string>& merged) {
  auto at = [](std::size_t k) { return static_cast<std::ptrdiff_t>(k); };
  if (again == nullptr) {
    merged.insert(merged.end(), oldLines.begin() + at(old.Begin), oldLines.begin() + at(old.End));
    return;
  }
  again->Kept = true;
  for (std::size_t k = old.Begin; k < old.Source; ++k)
    if (!IsRecordPrefix(FirstToken(oldLines[k]))) merged.push_back(oldLines[k]);
  for (std::size_t k = again->Begin; k < again->End; ++k)
    if (IsRecordPrefix(FirstToken(newLines[k]))) merged.push_back(newLines[k]);
  const std::size_t target = merged.size() + (old.Target - old.Source);
  merged.insert(merged.end(), oldLines.begin() + at(old.Source), oldLines.begin() + at(old.End));
  for (std::size_t k = again->Begin; k < again->End; ++k)
    if (IsTargetLine(newLines[k])) merged[target] = newLines[k];
}

}  // namespace

std::vector<std::string> MergeResultLog(const std::vector<std::string>& oldLines,
                                        const std::vector<std::string>& newLines) {
  TRunRecords run(newLines);
  const std::vector<TRecordSpan> spans = RecordSpans(oldLines);
  std::size_t next = 0;  // the old record to come
  std::vector<std::string> merged;
  merged.reserve(oldLines.size() + newLines.size());
  // A format line whose records all go goes with them.
  std::size_t formatAt = 0, had = 0, kept = 0;
  bool inFormat = false;
  auto closeFormat = [&] {
    if (inFormat && had > 0 && kept == 0) merged.erase(merged.begin() + static_cast<std::ptrdiff_t>(formatAt));
  };
  for (std::size_t i = 0; i < oldLines.size();) {
    const std::string token = FirstToken(oldLines[i]);
    if (token == LogKeywords.Format) {
      closeFormat();
      inFormat = true, formatAt = merged.size(), had = kept = 0;
      merged.push_back(oldLines[i++]);
      continue;
    }
    if (next == spans.size() || spans[next].Begin != i) {
      merged.push_back(oldLines[i++]);
      continue;
    }
    const TRecordSpan& old = spans[next++];
    const std::string image = old.HasTarget() ? ParseTargetLine(oldLines[old.Target]).ImagePath : "";
    ++had;
    TRunRecord* again = run.WroteAgain(image);
    const std::string sourcePath = KeywordValue(oldLines[old.Source], LogKeywords.Source);
    if (again == nullptr || (!again->Kept && (again->Source == sourcePath || SameFile(again->Source, sourcePath)))) {
      // Not written again, or written again from the same source: the record stays where it is, with
      // the lines the user added to it (a font's codes, comments); what the run wrote anew replaces its own.
      ++kept;
      KeepRecord(oldLines, old, newLines, again, merged);
    } else {
      // Another source's image now: the record goes, and only the user's own lines under it stay.
      for (std::size_t k = old.Begin; k < old.End; ++k)
        if (!IsRecordLine(FirstToken(oldLines[k]))) merged.push_back(oldLines[k]);
    }
    i = old.End;
  }
  closeFormat();
  for (const TRunRecord& r : run.Records())
    if (!r.Kept) merged.insert(merged.end(), newLines.begin() + static_cast<std::ptrdiff_t>(r.Begin),
                               newLines.begin() + static_cast<std::ptrdiff_t>(r.End));
  return merged;
}

std::unique_ptr<TFileLock> TakeFolderLock(const std::string& targetDir, TFrontEnd& frontEnd,
                                          const std::function<bool()>& stopped) {
  const std::string lockPath = JoinPath(targetDir, "result.log.lock");
  std::unique_ptr<TFileLock> lock = TFileLock::TryTake(lockPath);
  if (lock) return lock;
  frontEnd.ShowWaiting(targetDir);
  while (!(lock = TFileLock::TryTake(lockPath))) {
    frontEnd.ProcessMessages();
    if (stopped && stopped()) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  frontEnd.ShowProcessing("");
  return lock;
}

std::vector<std::string> RemoveLeftTemporaries(const std::string& targetDir, const std::vector<TJobEntry>& entries,
                                               const std::map<std::string, TLogPlan>& plans) {
  std::set<std::string> folders = {targetDir};
  for (const TJobEntry& entry : entries)
    if (IsExportKind(entry.Kind)) folders.insert(FolderUnder(targetDir, entry.Folder));
  for (const auto& [log, plan] : plans)
    for (const TReplayStep& step : plan.Steps)
      if (step.IsRecord && !step.Record.Tree.empty()) folders.insert(FolderUnder(targetDir, step.Record.Tree));
  std::vector<std::string> removed;
  for (const std::string& folder : folders) {
    const std::vector<std::string> here = RemoveDeadTemporaries(folder);
    removed.insert(removed.end(), here.begin(), here.end());
  }
  return removed;
}

void PublishResultLog(const std::string& targetDir, const std::vector<std::string>& lines, bool replaceForeign) {
  // The log as it stands now, with whatever another run added since this one began.
  const TTargetLog log = ReadTargetLog(targetDir);
  if (!log.Problem.English.empty() && (!replaceForeign || DirectoryExists(log.Path)))
    throw Exception(Says(EIT_SAYS("%1; the images of this run are written, but not listed in %2"), {log.Problem, log.Path}),
                    log.Path);
  SaveLines(log.Path, MergeResultLog(log.Lines, lines));
}

}  // namespace eit
