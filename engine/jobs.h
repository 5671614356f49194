// The jobs: each reads its sources, runs the pure steps of formats/ over them, and writes its outputs
// atomically under the names the run gives them. Only the engine's files include this.
#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <map>
#include <set>
#include <unordered_map>
#include <string>
#include <vector>

#include "formats/formathandlers.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "engine/image_stamp.h"
#include "engine/result_lines.h"
#include "codecs/pictures.h"

namespace eit {

struct TLogRecord;

// What a job tells the run about the files it writes or passes over.
class TJobReporter {
 public:
  virtual ~TJobReporter() = default;
  virtual void FileWritten(const std::string& source, const std::string& output, std::int64_t bytes,
                           const TWrittenFile& file) = 0;
  // The record's edited image (sheet: its glyph sheet) does not exist: the record is passed over.
  virtual void FileSkipped(const std::string& source, const std::string& image, bool sheet) = 0;
  // Something about an input that may not be what the user meant; the job goes on. Warnings of one
  // family are counted past the first few of a run instead of repeated.
  virtual void Warning(const std::string& /*source*/, const TWarning& /*warning*/) {}
  void Warning(const std::string& source, const TText& text, const std::string& family = "") {
    Warning(source, TWarning{text, family});
  }
  // An edited image equal to what the extract wrote, passed over (runs that write only edited files).
  virtual void Unedited(const std::string& /*source*/) {}
  // A finished output takes its name: now, or when the run's earlier entries are done. Called before
  // the FileWritten reports of its files.
  virtual void Publish(TFinishedOutput output) { output.Publish(); }
};

// The names a run's outputs take, shared by the entries of a run, which may run at once. Names are
// decided in entry order, whatever order the entries reach them in: an entry's claim waits until every
// earlier entry has made its last claim (or ended). So a run gives the same names with any number of
// workers: a later output whose name is taken gets "name (2).ext", and nothing written in the run is
// overwritten. Names compare case-folded where the file system ignores case.
class TOutputNames {
 public:
  // Every source of the run (textures, tables, logs, edited images): no output may replace one.
  std::set<TFileId> SourceIds;

  // Exports keep the files already in the target directory (they take new names beside them), instead
  // of replacing them.
  bool KeepExisting = false;
  // Exports fail rather than replace a file already in the target directory.
  bool RefuseExisting = false;

  // Wanted path, or a distinct one; renamed says which. Raises EFCreateError "Cannot create file
  // <path>" when the path is one of the run's sources. An export's claim also passes over existing
  // files when KeepExisting says so.
  std::string Claim(std::size_t entry, const std::string& wanted, bool& renamed, bool isExport = false);
  // A font's rebuilt table and texture, which the game finds by one base name: both get the same
  // distinct name. Returns the table's path; the texture's is that with ".dds".
  std::string ClaimPair(std::size_t entry, const std::string& wantedTable, bool& renamed);
  // The entry claims nothing more: later entries may go ahead.
  void Finish(std::size_t entry);
  // Forgets what entry and every later one claimed, to run them again from there; no entry may be
  // claiming meanwhile.
  void Rollback(std::size_t entry);
  void CheckNotASource(const std::string& path) const;
  // Makes the folder an output goes to (a game's tree below the target) when it is missing. The folders
  // made for the run that are still empty when the run ends (their files failed) are removed again.
  void MakeFolder(const std::string& folder);

 private:
  std::mutex folderLock_;
  TMadeDirectories madeFolders_;
  void WaitForTurn(std::unique_lock<std::mutex>& lock, std::size_t entry);
  // The wanted path, or the first "name (N)" that is free: numbers already given for it are not tried
  // again, so that a name wanted many times costs no more each time.
  template <typename Busy>
  std::string FreeName(const std::string& wanted, Busy busy);
  std::mutex lock_;
  std::condition_variable turnChanged_;
  std::size_t turn_ = 0;
  std::set<std::size_t> finished_;  // entries ended before their turn came
  std::map<std::string, std::size_t> taken_;  // by the entry that claimed it
  std::unordered_map<std::string, int> lastNumber_;
};

// The run a job belongs to: one per entry.
struct TJobContext {
  std::string TargetDir;
  std::string SubFolder;  // exports: the folder under TargetDir their image goes to (a game's tree)
  TLogRecord* Record = nullptr;  // exports: the record of what they wrote, for the result log
  TJobReporter* Reporter = nullptr;
  TOutputNames* Names = nullptr;  // null: a context of its own (one job alone)
  std::size_t Entry = 0;
  // An entry that writes one output (an export) lets later entries go ahead once it is named.
  bool SingleOutput = false;
  // Inserts look at each edited image for signs of a mistake (upside down, alpha lost, not edited);
  // strict makes each such warning fail its record, nothing written.
  bool CheckEdits = true;
  bool Strict = false;
  // Inserts pass over the records whose image is what the extract wrote, writing nothing for them.
  bool ChangedOnly = false;
  // Exports: a picture for comparison beside an edited image, under another name and not in the log.
  bool Comparison = false;
  // Exports: an image another run wrote under the name meanwhile (into a folder nested in this run's, whose
  // lock is another) is not replaced; the entry fails naming it.
  bool NoReplace = false;
  TPackEngine Engine = TPackEngine::Fastest;
  TImageFiles Images = TImageFiles::BmpTga;  // what exports write
  int PictureThreads = 1;  // threads a picture's encoder may take, of those the run was given

  // TargetDir + separator + name, made distinct from the outputs already written in this run.
  std::string ExportPath(const std::string& name);
  // The same for an insert output wanted at path (in TargetDir). Sets renamed when the name changed.
  std::string InsertPath(const std::string& path, bool& renamed);
  std::string InsertPairPath(const std::string& tablePath, bool& renamed);

 private:
  TOutputNames& Names_();
  std::shared_ptr<TOutputNames> own_;
};

// One record of a result log under replay, as the imports need it.
struct TImportRecord {
  std::string SourcePath;      // the "#Source: " value
  TStream* Source = nullptr;   // the source opened for reading; null when it does not exist
  std::string OutputPath;      // target directory + the source's file name
  bool ImageIsBitmap = false;  // "#Target BMP" (else TGA)
  std::string ImagePath;
  std::vector<TImageStamp> Origins;  // its sources as the extract read them (a font: table, texture)
  // Font records: the range of codes, FirstCode up to but not including EndCode. RangeError says
  // what is wrong with the code lines when they give no range.
  std::int32_t FirstCode = 0, EndCode = 0;
  std::int32_t NewCode = NewGlyphCode;  // the first code that takes a glyph from the sheet
  std::vector<std::int32_t> Placeholders;  // codes the sheet drew as boxes, as its log says
  std::vector<std::pair<std::int32_t, std::int32_t>> Alike;  // letters the sheet drew alike, as its log says
  std::vector<std::int32_t> Lost;  // letters whose marks the sheet did not draw, as its log says
  int CodePage = 0;                // "#Codepage:": the code page the sheet drew its letters in; 0: not given
  TText RangeError;
  bool RangeGiven = false;  // the record has its "#First:" line (a sheet of new glyphs needs one)
  std::string Tree;         // "#Tree:": the record's folder in a game's tree (system form), empty for none
  TText TreeError;          // what is wrong with its "#Tree:" line
  std::string Log;          // the log it was read from, which RangeError and TreeError name
  std::string TablePath;    // "#Table:": the glyph table as text, applied after the glyphs are laid
  std::optional<TImageStamp> Digest;  // "#Digest:": the image as the extract wrote it
};

// Puts the edited image back into the record's texture and writes the rebuilt texture, in the
// source's form, to OutputPath. A missing image skips the record (reported, nothing written).
// Everything is read and checked before the output is created; the output is written atomically
// and never over a source.
void ImportTexture(TJobContext& context, const TImportRecord& record);
// Lays the sheet's new glyphs into the font texture for the codes from 0xC0 on, clears the old areas
// from 0x7F on, and writes the rebuilt texture and font table under the target directory.
void ImportFontSheet(TJobContext& context, const TImportRecord& record);

// Writes the texture at sourcePath into the target directory as a BMP (24-bit) or TGA (32-bit), or PNG, and
// appends its "#Target BMP: " or "#Target TGA: " line to the result log.
void ExportTexture(TJobContext& context, const std::string& sourcePath);
// Writes the glyph sheet of the font table at tablePath (its texture beside it, ".dds") into the
// target directory and appends the target line.
void ExportFontSheet(TJobContext& context, const std::string& tablePath);

}  // namespace eit
