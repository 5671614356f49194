// What the jobs share: output naming, loading sources, writing images, picture descriptions.
#include "engine/job_files.h"

#include "engine/game_folder.h"
#include "engine/game_update.h"
#include "engine/result_log.h"
#include "platform/paths.h"

#include <algorithm>

namespace eit {

namespace {

TText OneOfTheSources(const std::string& path) {
  return Says(EIT_SAYS("Cannot create file %1: it is one of this run's sources"), {path});
}

TText WrittenMeanwhile(const std::string& path) {
  return Says(EIT_SAYS("%1 exists already (another run wrote it after this one looked at the folder); it is not "
                       "replaced: extract again to replace it or to keep both"), {path});
}

// The key two output paths collide under: file systems on Windows and macOS ignore letter case.
std::string OutputKey(const std::string& path) {
#if defined(_WIN32) || defined(__APPLE__)
  return FoldCase(path);
#else
  return path;
#endif
}

std::string Numbered(const std::string& path, int n) {
  return ChangeFileExt(path, "") + " (" + std::to_string(n) + ")" + ExtractFileExt(path);
}

}  // namespace

void TOutputNames::WaitForTurn(std::unique_lock<std::mutex>& lock, std::size_t entry) {
  turnChanged_.wait(lock, [&] { return turn_ >= entry; });
}

template <typename Busy>
std::string TOutputNames::FreeName(const std::string& wanted, Busy busy) {
  if (!busy(wanted)) return wanted;
  int& last = lastNumber_[OutputKey(wanted)];
  int n = std::max(2, last + 1);
  std::string path;
  while (busy(path = Numbered(wanted, n))) ++n;
  last = n;
  return path;
}

std::string TOutputNames::Claim(std::size_t entry, const std::string& wanted, bool& renamed, bool isExport) {
  std::unique_lock<std::mutex> lock(lock_);
  WaitForTurn(lock, entry);
  const bool keep = isExport && KeepExisting;
  // Same name from another folder: keep both files rather than overwrite the earlier output.
  const std::string path = FreeName(wanted, [&](const std::string& p) {
    return taken_.count(OutputKey(p)) != 0 || (keep && FileExists(p));
  });
  renamed = path != wanted;
  CheckNotASource(path);
  // The run holds the folder's lock: no other run can take the name between this look and the publish.
  if (isExport && RefuseExisting && FileExists(path))
    throw EFCreateError(WrittenMeanwhile(path), path);
  taken_.emplace(OutputKey(path), entry);
  return path;
}

std::string TOutputNames::ClaimPair(std::size_t entry, const std::string& wantedTable, bool& renamed) {
  std::unique_lock<std::mutex> lock(lock_);
  WaitForTurn(lock, entry);
  const std::string table = FreeName(wantedTable, [this](const std::string& t) {
    return taken_.count(OutputKey(t)) != 0 || taken_.count(OutputKey(ChangeFileExt(t, ".dds"))) != 0;
  });
  renamed = table != wantedTable;
  CheckNotASource(table);
  CheckNotASource(ChangeFileExt(table, ".dds"));
  taken_.emplace(OutputKey(table), entry);
  taken_.emplace(OutputKey(ChangeFileExt(table, ".dds")), entry);
  return table;
}

void TOutputNames::Finish(std::size_t entry) {
  {
    std::lock_guard<std::mutex> guard(lock_);
    if (entry < turn_) return;
    finished_.insert(entry);
    while (finished_.count(turn_) != 0) finished_.erase(turn_++);
  }
  turnChanged_.notify_all();
}

void TOutputNames::Rollback(std::size_t entry) {
  std::lock_guard<std::mutex> guard(lock_);
  std::erase_if(taken_, [&](const auto& claim) { return claim.second >= entry; });
  lastNumber_.clear();  // numbers given out may be free again
  std::erase_if(finished_, [&](std::size_t e) { return e >= entry; });
  turn_ = std::min(turn_, entry);
}

void TOutputNames::CheckNotASource(const std::string& path) const {
  if (SourceIds.empty()) return;
  const std::optional<TFileId> id = FileIdOf(path);
  if (id && SourceIds.count(*id) != 0)
    throw EFCreateError(OneOfTheSources(path), path);
}

TOutputNames& TJobContext::Names_() {
  if (Names != nullptr) return *Names;
  if (!own_) own_ = std::make_shared<TOutputNames>();
  return *own_;
}

namespace {

// The folder of an output below the target (a game's tree), made when the output is about to be written:
// a record that fails before leaves none.
void MakeFolderOf(TOutputNames& names, const std::string& path) {
  const std::string dir = ExtractFileDir(path);
  if (!dir.empty() && !DirectoryExists(dir)) names.MakeFolder(dir);
}

}  // namespace

void TOutputNames::MakeFolder(const std::string& folder) {
  std::lock_guard<std::mutex> guard(folderLock_);
  madeFolders_.Make(folder);
}

std::string TJobContext::ExportPath(const std::string& wanted) {
  const std::string name = Comparison ? ComparisonName(wanted) : wanted;
  bool renamed = false;
  const std::string path = Names_().Claim(Entry, JoinPath(FolderUnder(TargetDir, SubFolder), name), renamed, true);
  MakeFolderOf(Names_(), path);
  if (SingleOutput) Names_().Finish(Entry);
  return path;
}

std::string TJobContext::InsertPath(const std::string& wanted, bool& renamed) {
  const std::string path = Names_().Claim(Entry, wanted, renamed);
  MakeFolderOf(Names_(), path);
  if (SingleOutput) Names_().Finish(Entry);
  return path;
}

std::string TJobContext::InsertPairPath(const std::string& wantedTable, bool& renamed) {
  const std::string path = Names_().ClaimPair(Entry, wantedTable, renamed);
  MakeFolderOf(Names_(), path);
  if (SingleOutput) Names_().Finish(Entry);
  return path;
}

namespace detail {

TWrittenFile Described(TWrittenFile::TWhat what, const TBitmap& picture, TTextureForm form) {
  TWrittenFile file;
  file.What = what;
  file.Packed = form == TTextureForm::Packed;
  file.Width = picture.Width();
  file.Height = picture.Height();
  file.Alpha = picture.PixelFormat() == TPixelFormat::pf32bit;
  return file;
}

TTextureLoad::TTextureLoad(const std::string& path, TPackEngine engine)
    : Path(path), Engine(engine), Source(path, FileMode::OpenRead) {
  TMemoryStream head;
  LoadTextureImage(Source, head, path, TLoadExtent::Header, engine);
  Header = ReadStoredTextureHeader(head, path);
}

namespace {

// The rows of the texture file open as source, moved into a bitmap without a second copy.
TBitmap PixelsOf(TStream& source, const std::string& path, TPackEngine engine) {
  TMemoryStream image;
  source.SetPosition(0);
  LoadTextureImage(source, image, path, TLoadExtent::Pixels, engine);
  InvertImageHeader(image);
  TBitmap bitmap;
  ImageToBitmapInPlace(image, bitmap);
  return bitmap;
}

}  // namespace

TBitmap TTextureLoad::Pixels() { return PixelsOf(Source, Path, Engine); }

TBitmap LoadTextureBitmap(const std::string& path, TPackEngine engine) {
  TFileStream source(path, FileMode::OpenRead);
  return PixelsOf(source, path, engine);
}

void LoadWholeTexture(TStream& source, const std::string& path, TPackEngine engine, TLoadedTexture& loaded) {
  source.SetPosition(0);
  loaded.Form = LoadTextureImage(source, loaded.Image, path, TLoadExtent::Whole, engine);
}

TBitmap LoadEditedImage(const std::string& path) {
  TBitmap bitmap;
  ReadPictureFile(path, bitmap);
  return bitmap;
}

void EditWarning(TJobContext& context, const TImportRecord& record, TWarning warning) {
  if (context.Strict) throw Exception(TFailure{"", 0, TFailureKind::Strict, warning.Text.English, warning.Text});
  context.Reporter->Warning(record.SourcePath, warning);
}

void CheckNotASource(const std::string& output, std::initializer_list<std::string> sources) {
  for (const std::string& source : sources)
    if (SameFile(output, source)) throw EFCreateError(OneOfTheSources(output), output);
}

void NoteRenamed(TWrittenFile& file, const std::string& wantedPath, const std::string& sourcePath) {
  file.Wanted = ExtractFileName(wantedPath);
  file.RenamedSource = sourcePath;
}

std::string ExportName(const std::string& source, const TTextureHeader& header, TImageFiles files) {
  return ChangeFileExt(ExtractFileName(source), ImageExtension(files, header.BitCount));
}

void WriteExport(TJobContext& context, const std::string& source, const std::string& outputPath,
                 const TBitmap& picture, TWrittenFile::TWhat what) {
  auto file = std::make_unique<TAtomicFile>(outputPath);
  if (context.NoReplace) file->RefuseToReplace();
  WritePicture(file->Stream(), picture, ExtractFormat(context.Images, picture), context.PictureThreads);
  const std::int64_t bytes = file->Finish();
  // Taken from the temporary, which keeps its time when it takes its name.
  TakeTimeOf(source, file->TemporaryPath());
  const TImageStamp stamp = StampOfFile(file->TemporaryPath());
  context.Reporter->Publish({std::move(file), nullptr});
  if (context.Record != nullptr) {
    context.Record->Digest = stamp;
    context.Record->Bitmap = picture.PixelFormat() != TPixelFormat::pf32bit;
    context.Record->Image = outputPath;
  }
  context.Reporter->FileWritten(source, outputPath, bytes, Described(what, picture));
}

}  // namespace detail

}  // namespace eit
