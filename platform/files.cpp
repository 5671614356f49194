#include "platform/files.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <random>
#include <thread>
#include <chrono>

#include "platform/native.h"
#include "platform/paths.h"
#include "platform/system_words.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#endif

namespace eit {

namespace {

TText WrittenSinceLooked(const std::string& path) {
  return Says(EIT_SAYS("Cannot create file %1: another run wrote a file of that name after this one looked; it is not "
                       "replaced"), {path});
}

TText NotAFileHasTheName(const std::string& path) {
  return Says(EIT_SAYS("Cannot create file %1: a directory or other non-file has that name"), {path});
}

TText RemovedAgain(const Exception& e, const std::string& first) {
  return Says(EIT_SAYS("%1; %2 was removed again, since the two belong together"), {WordsOf(e.Failure()), first});
}

#ifdef _WIN32
using NativeChar = wchar_t;
NativeChar* NativeCopy(const std::string& path) {
  const std::wstring wide = Widen(path);
  auto* copy = static_cast<wchar_t*>(std::malloc((wide.size() + 1) * sizeof(wchar_t)));
  if (copy != nullptr) std::memcpy(copy, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  return copy;
}
void RemoveNative(const NativeChar* path) { DeleteFileW(path); }
#else
using NativeChar = char;
NativeChar* NativeCopy(const std::string& path) { return strdup(path.c_str()); }
void RemoveNative(const NativeChar* path) { ::unlink(path); }
#endif

// The temporaries that exist now, for a signal handler that has no time for anything but unlink.
// A run has a few at a time, and a parallel run holds its finished outputs until their turn (a bounded
// number of entries, but a log's records each have one); more are still removed by their owners.
constexpr int kSlots = 4096;
std::atomic<NativeChar*> g_temporaries[kSlots];
// Set when the process is ending on a signal: a worker that creates a temporary after that removes it
// again and waits for the end, since the handler may already have passed its slot.
std::atomic<bool> g_ending{false};
// Threads between deciding to create a temporary and having it registered and created: the handler
// waits for them, so that no file appears after its last pass.
std::atomic<int> g_creating{0};

[[noreturn]] void AwaitEnd() {
  for (;;) std::this_thread::sleep_for(std::chrono::seconds(1));
}


// Names longer than this do not fit most file systems (NTFS counts UTF-16 units, others bytes).
constexpr std::size_t kNameLimit = 255;

// The final name shortened so that name + suffix fits, cut only between UTF-8 characters.
std::string FittingStem(const std::string& name, std::size_t room) {
  if (name.size() <= room) return name;
  std::size_t cut = room;
  while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
  return name.substr(0, cut);
}


#ifndef _WIN32
// The folder a temporary lies in, as a path the system opens.
std::string FolderOf(const std::string& path) {
  const std::string dir = ExtractFileDir(path);
  return dir.empty() ? (path.size() > ExtractFileName(path).size() ? std::string(1, PathDelim) : ".") : dir;
}

// The folders that hold temporaries, open by descriptor, one for all the temporaries of a folder: a
// temporary is removed through it even when its folder was renamed during the run.
std::mutex g_folderLock;
std::map<std::string, std::pair<int, int>> g_folders;  // folder -> descriptor, users

int HoldFolder(const std::string& folder) {
  std::lock_guard<std::mutex> guard(g_folderLock);
  auto it = g_folders.find(folder);
  if (it == g_folders.end()) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    // Shared by every run writing temporaries here: the next run removes those of a killed run only when
    // no living one holds the folder.
    ::flock(fd, LOCK_SH);
    it = g_folders.emplace(folder, std::make_pair(fd, 0)).first;
  }
  ++it->second.second;
  return it->second.first;
}

void ReleaseFolder(const std::string& folder) {
  std::lock_guard<std::mutex> guard(g_folderLock);
  const auto it = g_folders.find(folder);
  if (it == g_folders.end() || --it->second.second > 0) return;
  ::close(it->second.first);
  g_folders.erase(it);
}
#endif

}  // namespace

int RegisterForCleanup(const std::string& path) {
  NativeChar* copy = NativeCopy(path);
  if (copy == nullptr) return -1;
  for (int i = 0; i < kSlots; ++i) {
    NativeChar* expected = nullptr;
    if (g_temporaries[i].compare_exchange_strong(expected, copy)) return i;
  }
  std::free(copy);
  return -1;
}

void UnregisterFromCleanup(int slot) {
  if (slot < 0) return;
  std::free(g_temporaries[slot].exchange(nullptr));
}

TAtomicFile::TAtomicFile(const std::string& path) : path_(path) {
#ifndef _WIN32
  // Held before the temporary exists, so that no other run takes it for one of a killed run.
  folderName_ = AbsolutePath(FolderOf(path));
  folder_ = HoldFolder(folderName_);
#endif
  try {
    CreateTemporary();
  } catch (...) {
#ifndef _WIN32
    if (folder_ >= 0) ReleaseFolder(folderName_);
#endif
    throw;
  }
  stream_->SetShownName(path_);
  claim_ = std::make_unique<TTemporaryClaim>(temporary_);
}

void TAtomicFile::CreateTemporary() {
  // The temporary lives beside the final file so that the rename never crosses file systems.
  static std::mutex lock;
  static std::mt19937_64 gen{std::random_device{}()};
  const std::string& path = path_;
  const std::string name = ExtractFileName(path);
  for (int attempt = 0;; ++attempt) {
    std::uint64_t random;
    {
      std::lock_guard<std::mutex> guard(lock);
      random = gen() & 0xFFFFFFFFFFFFull;
    }
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%012llx.tmp", static_cast<unsigned long long>(random));
    const std::string tempName = FittingStem(name, kNameLimit - std::strlen(suffix)) + suffix;
    temporary_ = path.size() == name.size() ? tempName : path.substr(0, path.size() - name.size()) + tempName;
    // Known before it exists, so that a signal in between cannot leave it behind; and a process that
    // is ending creates nothing more.
    g_creating.fetch_add(1);
    if (g_ending) {
      g_creating.fetch_sub(1);
      AwaitEnd();
    }
    slot_ = RegisterForCleanup(temporary_);
    try {
      stream_ = std::make_unique<TFileStream>(temporary_, FileMode::CreateNew);
      g_creating.fetch_sub(1);
      break;
    } catch (const EFExistsError&) {
      g_creating.fetch_sub(1);
      UnregisterFromCleanup(slot_);
      slot_ = -1;
      if (attempt < 16) continue;
      throw EFCreateError(CannotText(TFileAct::Create, path, 0), path);
    } catch (const EFCreateError& e) {
      g_creating.fetch_sub(1);
      UnregisterFromCleanup(slot_);
      slot_ = -1;
      throw EFCreateError(CannotText(TFileAct::Create, path, e.SystemError()), path, e.SystemError());
    } catch (...) {
      g_creating.fetch_sub(1);
      UnregisterFromCleanup(slot_);
      throw;
    }
  }
}

TAtomicFile::~TAtomicFile() {
  if (!committed_) {
    stream_.reset();
#ifndef _WIN32
    if (folder_ >= 0) ::unlinkat(folder_, ExtractFileName(temporary_).c_str(), 0);
#endif
    std::error_code ignored;
    std::filesystem::remove(FsPath(temporary_), ignored);
  }
#ifndef _WIN32
  if (folder_ >= 0) ReleaseFolder(folderName_);
#endif
  UnregisterFromCleanup(slot_);
}

std::int64_t TAtomicFile::Finish() {
  if (size_ >= 0) return size_;
  stream_->Close();
  if (!claim_->Held()) claim_ = std::make_unique<TTemporaryClaim>(temporary_);
  std::error_code ec;
  const auto size = std::filesystem::file_size(FsPath(temporary_), ec);
  if (ec) throw EWriteError(CannotText(TFileAct::Write, path_, ReasonText(ec)), path_);
  size_ = static_cast<std::int64_t>(size);
  return size_;
}

void TAtomicFile::CheckFinalName(const std::string& path) {
  std::error_code ec;
  // A directory (or any non-file) under the final name is never replaced.
  const auto status = std::filesystem::symlink_status(FsPath(path), ec);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
      !std::filesystem::is_symlink(status))
    throw EFCreateError(NotAFileHasTheName(path), path);
}

void TAtomicFile::PublishNoReplace() {
  const auto taken = [this] {
    return EFExistsError(WrittenSinceLooked(path_));
  };
#ifdef _WIN32
  // Without MOVEFILE_REPLACE_EXISTING the move fails on a name that is taken.
  if (!MoveFileExW(Widen(temporary_).c_str(), Widen(path_).c_str(), MOVEFILE_WRITE_THROUGH)) {
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) throw taken();
    throw EFCreateError(
        CannotText(TFileAct::Create, path_, ReasonText(std::error_code(static_cast<int>(error), std::system_category()))), path_);
  }
#else
  // A link is made only under a free name; file systems without links get a look, then the rename.
  if (::link(temporary_.c_str(), path_.c_str()) == 0) {
    ::unlink(temporary_.c_str());
  } else if (errno == EEXIST) {
    throw taken();
  } else {
    std::error_code ec;
    if (std::filesystem::exists(FsPath(path_), ec)) throw taken();
    std::filesystem::rename(FsPath(temporary_), FsPath(path_), ec);
    if (ec) throw EFCreateError(CannotText(TFileAct::Create, path_, ReasonText(ec)), path_);
  }
#endif
  committed_ = true;
}

void TAtomicFile::Publish() {
  CheckFinalName(path_);
  if (noReplace_) return PublishNoReplace();
  std::error_code ec;
  std::filesystem::rename(FsPath(temporary_), FsPath(path_), ec);
  if (ec) throw EFCreateError(CannotText(TFileAct::Create, path_, ReasonText(ec)), path_);
  committed_ = true;
}

std::int64_t TAtomicFile::Commit() {
  const std::int64_t size = Finish();
  Publish();
  return size;
}

std::pair<std::int64_t, std::int64_t> TAtomicFile::CommitPair(TAtomicFile& first, TAtomicFile& second) {
  const std::int64_t a = first.Finish(), b = second.Finish();
  CheckFinalName(first.path_);
  CheckFinalName(second.path_);
  first.Publish();
  try {
    second.Publish();
  } catch (const Exception& e) {
    std::error_code ignored;
    std::filesystem::remove(FsPath(first.path_), ignored);
    throw EFCreateError(RemovedAgain(e, first.path_), e.File());
  }
  return {a, b};
}

void TFinishedOutput::Publish() {
  if (Second)
    TAtomicFile::CommitPair(*First, *Second);
  else if (First)
    First->Commit();
}

void RemoveTemporariesNow() noexcept {
  g_ending = true;
  for (auto& slot : g_temporaries)
    if (const NativeChar* path = slot.load()) RemoveNative(path);
}

namespace {

void Pause(int milliseconds) noexcept {
#ifdef _WIN32
  Sleep(static_cast<DWORD>(milliseconds));
#else
  const struct timespec pause = {0, milliseconds * 1000L * 1000L};
  nanosleep(&pause, nullptr);
#endif
}

// Other threads go on writing while the handler cleans up. Those creating a temporary just then are
// waited for (not for ever: the handler may have interrupted one of them), so that every temporary
// that will exist is registered before the last pass.
void RemoveTemporariesAtExit() noexcept {
  g_ending = true;
  for (int waited = 0; g_creating.load() != 0 && waited < 1000; ++waited) Pause(1);
  RemoveTemporariesNow();
  Pause(20);
  RemoveTemporariesNow();
}

}  // namespace

#ifdef _WIN32
namespace {
BOOL WINAPI OnConsoleEvent(DWORD event) {
  RemoveTemporariesAtExit();
  ExitProcess(event == CTRL_C_EVENT ? 130 : event == CTRL_BREAK_EVENT ? 143 : 129);
  return TRUE;
}
}  // namespace
void InstallInterruptCleanup() { SetConsoleCtrlHandler(OnConsoleEvent, TRUE); }
#else
namespace {
extern "C" void OnSignal(int signal) {
  RemoveTemporariesAtExit();
  _exit(128 + signal);
}
}  // namespace
void InstallInterruptCleanup() {
  // Past a file size limit, a write should fail with its reason rather than end the process.
  std::signal(SIGXFSZ, SIG_IGN);
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction previous {};
    // A signal the caller's parent chose to ignore (nohup) stays ignored.
    if (sigaction(signal, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN) continue;
    sigaction(signal, &action, nullptr);
  }
}
#endif

std::optional<TFileId> FileIdOf(const std::string& path) {
#ifdef _WIN32
  HANDLE handle = CreateFileW(Widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  const BOOL ok = GetFileInformationByHandle(handle, &info);
  CloseHandle(handle);
  if (!ok) return std::nullopt;
  return TFileId{info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
#else
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return TFileId{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
#endif
}

}  // namespace eit
