// The batch engine: the job list run entry by entry, the result log, the replay of logs. It knows
// nothing of Qt; the window and eitool-cli are two front ends over it.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <atomic>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "engine/jobs.h"
#include "engine/result_lines.h"

namespace eit {

// The kind of a job list's entries; the values are those stored settings and project files know.
enum class TJobKind : std::uint8_t {
  None = 0,
  FontSheet = 1,
  ReplayLog = 2,
  Texture = 3,
  ProjectList = 4,
  NoFormat = 5,  // a replayed record of no known format
};

// Indexed by the open dialog's filter (0: ".dds", 1: ".tdt", 2: ".lst", 3: ".log").
inline constexpr std::array<TJobKind, 4> FilterKinds = {TJobKind::Texture, TJobKind::FontSheet,
                                                        TJobKind::ProjectList, TJobKind::ReplayLog};
inline const std::array<std::string, 4> FormatNames = {"DDS", "TDT", "", ""};

// The texture of a font table: beside it, its name with ".dds", in whatever case it lies there.
std::string FontTexturePath(const std::string& tablePath);
// The files an export of this kind reads: a texture; a font's table, then its texture.
std::vector<std::string> SourcesOf(TJobKind kind, const std::string& path);
// The format name a job kind's header lines carry ("DDS", "TDT", or empty for the replay kinds).
std::string FormatNameOf(TJobKind kind);
bool IsExportKind(TJobKind kind);
// The failure an error carries: its file, line, kind and text (an error of the system's own: no file).
TFailure FailureOf(const std::exception& error);
// Whether the failure names the file as its own (however its separators are spelled).
bool NamesFile(const TFailure& failure, const std::string& file);
// Whether the error is the system running out of memory (which another moment may not repeat).
bool IsOutOfMemory(const std::exception& error);
// The error's message, with the file put in front when it does not name it already.
TText ErrorNamingFile(const std::exception& error, const std::string& file);

// What the engine needs from its front end. The window implements it with its widgets, the CLI
// with the terminal.
class TFrontEnd {
 public:
  virtual ~TFrontEnd() = default;
  // What a front end does not need does nothing: a plain TFrontEnd shows nothing at all.
  // The file a run is at (its name), or "" when it is at none.
  virtual void ShowProcessing(const std::string& /*file*/) {}
  virtual void SetProgress(int /*position*/) {}  // the per-log bar, 0 to 100
  virtual void SetTotal(int /*position*/) {}     // the whole-run bar, 0 to 100
  virtual void SetExtracted(std::int64_t /*files*/) {}  // files done so far in this run (or the last)
  // The run waits for another run into its target folder to end, worth telling at once (ShowProcessing("")
  // says the wait is over).
  virtual void ShowWaiting(const std::string& /*folder*/) {}
  // A results line, as facts: the window words it in its language (and opens a written file on a double
  // click); eitool-cli prints its EnglishLine (warnings to standard error).
  virtual void AddResult(const TResultLine& /*line*/) {}
  virtual bool HasResults() { return false; }
  // Around each job: the window enables Stop and disables Save results, and back.
  virtual void JobStarting() {}
  virtual void JobEnded() {}
  // Lets pending work run: the window processes its events.
  virtual void ProcessMessages() {}
  // Before each entry, for front ends that show which one.
  virtual void EntryStarting(std::size_t /*index*/, std::size_t /*count*/, const std::string& /*entry*/) {}
  // An entry failed and the run goes on (keep-going runs only).
  virtual void EntryFailed(const std::string& /*entry*/, const TFailure& /*failure*/) {}
  // An entry is done and its results are shown (entries finish in entry order, whatever the workers).
  virtual void EntryFinished(std::size_t /*done*/, std::size_t /*count*/) {}
};

enum class TRunOutcome { Completed, Stopped };

struct TReplayStep;
class TModRecord;
class TEntryRun;
struct TEntryReport;
struct TRunInputs;
// A log read and planned once for its run: its line count and its replay's steps.
struct TLogPlan {
  std::size_t LineCount = 0;
  std::vector<TReplayStep> Steps;
};

// One entry of a run: its job kind and its text (a file path).
struct TJobEntry {
  TJobKind Kind;
  std::string Path;
  // An entry read from a project list: the list and the line, which its errors name.
  std::string List = {};
  std::size_t Line = 0;
  // An entry found in a folder given whole: its folder relative to that one, where its image goes
  // under the target directory (empty: the target directory itself).
  std::string Folder = {};
  // An export of a source the game changed under an edited image (extract --update): its picture goes
  // beside the edit ("stone.updated.bmp"), and no record of it into result.log.
  bool Comparison = false;
};

// What a front end asks of a run.
struct TRunRequest {
  std::vector<TJobEntry> Entries;
  std::string TargetDir;  // exists already
  // Entries run at a time: 0 for one per core; 1 runs them one after the other on the calling thread.
  // Any number gives the same files, names, result.log and results lines, in entry order.
  int Workers = 1;
  // A failed entry is reported and the run goes on; result.log then holds the completed records.
  bool KeepGoing = false;
  // Inserts fail a record whose edited image draws a warning, instead of warning.
  bool Strict = false;
  TPackEngine Engine = TPackEngine::Fastest;
  // Images an export would write over: refused (the entry fails naming the image: front ends ask first,
  // with ExistingImages, and an image another run wrote since is never replaced unasked), replaced, or
  // kept, the new ones taking other names ("stone (2).bmp").
  enum class TExisting { Refuse, Replace, KeepBoth } ExistingImages = TExisting::Refuse;
  // A result.log in the target directory that is not a result log: replaced, or (by default) the run
  // refuses before writing anything. A result log is merged into, never replaced.
  bool ReplaceForeignLog = false;
  // Inserts take each record's image from the log's own folder, by its file name.
  bool ImagesBesideLog = false;
  // Extracts write BMP and TGA files, or PNG files.
  TImageFiles Images = TImageFiles::BmpTga;
  // Inserts write only the records whose image was edited since the extract wrote it (its "#Digest:"
  // line, or its pixels equal to the texture's), counting the others in one line.
  bool ChangedOnly = false;
};
// Where insert --here takes a record's image from: its folder in the tree below the log (a record of a
// folder extract, tree from its "#Tree:" line), else the log's own folder, by the image's file name, or
// the deepest of the image's own folders below it that holds it (a game's tree moved with an older log).
std::string ImageBesideLog(const std::string& logPath, const std::string& imagePath, const std::string& tree = "");
// Entries of one kind, one per path.
std::vector<TJobEntry> EntriesOf(TJobKind kind, const std::vector<std::string>& paths);

// What a run did, for the front end that asked for it.
struct TRunReport {
  TRunOutcome Outcome = TRunOutcome::Completed;
  std::vector<std::string> Results;   // the results lines, as the front end was shown them
  std::vector<std::string> Written;   // every file written, in entry order
  std::vector<std::string> Warnings;  // warnings about edited images
  std::vector<TFailure> Failures;     // the failed entries and records (keep-going runs)
  std::vector<std::string> ResultLog; // the lines of result.log (export runs)
  std::int64_t TotalBytes = 0;
  std::int32_t FailedEntries = 0;      // entries, and records of logs, that failed (keep-going runs)
  std::int64_t Unedited = 0;           // records passed over as unedited (ChangedOnly)
};
// "4,980"
std::string GroupedCount(std::int64_t n);

class TBatchEngine {
 public:
  explicit TBatchEngine(TFrontEnd& frontEnd);
  ~TBatchEngine();

  // Runs every entry with the job of its kind, into the request's TargetDir. Writes
  // TargetDir/result.log when export entries left lines. Raises the first job error (in entry order)
  // unless KeepGoing; the bars and labels are reset either way. With several workers the calling
  // thread only shows progress and results, letting the front end process its messages meanwhile;
  // Stop and a failure start no new entry and let the ones under way finish.
  TRunReport Run(const TRunRequest& request);
  void RequestStop() { stop_ = 1; }
  bool StopRequested() const { return stop_ != 0; }
  bool Running() const { return running_; }
  // The workers a run of count entries uses when asked for so many (0: one per core).
  static int WorkersFor(int workers, std::size_t count);

 private:
  struct TRunPool;  // the workers of a run, and the run's thread taking their entries in order
  // A failure the run goes on after (keep-going runs): an entry, or a record of a log.
  void RecordFailed(const std::string& entry, const TFailure& failure);
  // The entry's turn to be shown: the front end hears of it once.
  void BeginTurn(const TEntryRun& run, std::size_t count);
  // Shows where the entry in turn stands; streaming, also what it made so far (a pool of one, whose
  // entries never run again).
  void ShowEntry(TEntryRun& run, bool streaming, std::exception_ptr& unpublished, std::size_t count);
  // Publishes an entry's outputs and shows its reports, in the order the entry made them; an output that
  // cannot take its name is kept in unpublished, and the entry is cancelled.
  void ShowReports(TEntryRun& run, std::vector<TEntryReport> reports, std::exception_ptr& unpublished);
  // Takes a finished entry into the run, in entry order: its outputs take their names, then its
  // results, its log lines or its failure.
  void TakeEntry(TEntryRun& run, std::exception_ptr unpublished, std::size_t count);
  TRunOutcome RunEntries(const std::vector<TJobEntry>& entries);
  TRunOutcome RunPool(const std::vector<TJobEntry>& entries, TRunInputs inputs, std::size_t from, int workers);
  void FileWritten(TResultLine line);
  void Warning(TResultLine line, const std::string& family);
  void Warning(const std::string& source, const TText& text) { Warning({TResultLine::TKind::Warning, source, "", text}, ""); }
  void Unedited(const std::string& source);
  // The run's counts: images passed over unedited, warnings of one kind past the first few.
  void ShowCounts();
  // What inserts wrote into the target, by log (ChangedOnly runs): an edit taken back leaves the mod.
  TModRecord* ModRecordNow();
  void NoteWritten(const std::string& source, const std::string& output);
  void SaveModRecords();
  std::map<std::string, std::unique_ptr<TModRecord>> modRecords_;
  std::string modLog_;  // the log whose records are reported now
  static constexpr int kWarningsShown = 10;
  struct TWarningCount {
    std::int64_t Count = 0;
    std::optional<TEditFinding> Edit;  // an edit check's family
  };
  std::map<std::string, TWarningCount> warningCounts_;  // by family
  std::map<std::string, TLogPlan> plans_;  // the run's logs, read before anything was written
  void ResetDisplay();
  // A results line: its words into the report, its facts to the front end (a source named as SourceName).
  void ShowResult(TResultLine line);

  TFrontEnd& frontEnd_;
  const TRunRequest* request_ = nullptr;
  TRunReport report_;
  std::atomic<std::int32_t> stop_{0};
  std::int32_t extractedCount_ = 0;
  TOutputNames* names_ = nullptr;
  std::size_t turn_ = SIZE_MAX;  // the entry the front end was told of
  bool running_ = false;
  bool replayStopped_ = false;  // a stop came in the middle of a log
  std::string shownFolder_;     // the tree folder of the entry whose results are shown now
  // How a results line names a source: its file name, with its folder in a game's tree.
  std::string SourceName(const std::string& source) const;
};

}  // namespace eit
