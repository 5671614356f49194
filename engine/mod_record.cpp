#include "engine/mod_record.h"

#include <filesystem>
#include <sstream>
#include <system_error>

#include "engine/image_stamp.h"
#include "engine/result_log.h"
#include "platform/files.h"
#include "platform/native.h"
#include "platform/paths.h"

namespace eit {

namespace {

const std::string kMod = std::string(kModKeyword) + " ";
const std::string kSource = LogKeywords.Source + " ";
const std::string kWrote = std::string(kWroteKeyword) + " ";

bool Starts(const std::string& line, const std::string& prefix) { return line.rfind(prefix, 0) == 0; }

// Folders the insert made for a file it took out again go with it, up to the mod folder itself.
void RemoveEmptyFolders(std::string folder, const std::string& mod) {
  std::error_code ec;
  while (folder.size() > mod.size() && folder.compare(0, mod.size(), mod) == 0 &&
         std::filesystem::is_empty(FsPath(folder), ec) && !ec) {
    if (!std::filesystem::remove(FsPath(folder), ec)) return;
    folder = ExtractFileDir(folder);
  }
}

// A file that cannot be read is not known to be as written: it stays.
bool SameHash(const std::string& path, const std::string& hash) {
  try {
    return StampOfFile(path).Hash == hash;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

TModRecord::TModRecord(const std::string& logPath, const std::string& modDir)
    : path_(logPath.empty() ? "" : PathFor(AbsolutePath(logPath))), mod_(modDir.empty() ? "" : AbsolutePath(modDir)) {
  if (path_.empty() || !FileExists(path_)) return;
  std::string mod, source;
  for (const std::string& line : LoadLines(path_)) {
    if (Starts(line, kMod)) {
      mod = line.substr(kMod.size()), source.clear();
    } else if (Starts(line, kSource)) {
      source = line.substr(kSource.size());
    } else if (Starts(line, kWrote) && !mod.empty() && !source.empty()) {
      std::istringstream words(line.substr(kWrote.size()));
      TWrote wrote;
      if (!(words >> wrote.Size >> wrote.Hash)) continue;
      std::getline(words >> std::ws, wrote.Path);
      if (!wrote.Path.empty()) mods_[mod][source].push_back(wrote);
    }
  }
}

void TModRecord::Wrote(const std::string& source, const std::string& output) {
  if (path_.empty()) return;
  const TImageStamp stamp = StampOfFile(output);
  std::vector<TWrote>& files = mods_[mod_][source];
  std::erase_if(files, [&](const TWrote& w) { return w.Path == output; });
  files.push_back({stamp.Size, stamp.Hash, output});
  dirty_ = true;
}

TModRecord::TTakenBack TModRecord::Unedited(const std::string& source) {
  TTakenBack back;
  TRecords& records = mods_[mod_];
  const auto found = records.find(source);
  if (found == records.end()) return back;
  for (const TWrote& w : found->second) {
    const auto now = FileSizeAndTime(w.Path);
    if (!now) continue;  // gone already
    if (now->Size != w.Size || !SameHash(w.Path, w.Hash)) {
      back.Changed.push_back(w.Path);
      continue;
    }
    std::error_code ec;
    if (!std::filesystem::remove(FsPath(w.Path), ec) || ec) {
      back.Changed.push_back(w.Path);
      continue;
    }
    back.Removed.push_back(w.Path);
    RemoveEmptyFolders(ExtractFileDir(w.Path), mod_);
  }
  records.erase(found);
  dirty_ = true;
  return back;
}

void TModRecord::Save() const {
  const std::string log = ExtractFileName(path_.substr(0, path_.size() - PathFor("").size()));
  std::vector<std::string> lines = {"; What eitool wrote into each mod folder from " + log + ": a file still as "
                                    "written leaves the mod when its record is unedited again. Keep it beside the log."};
  for (const auto& [mod, records] : mods_) {
    if (records.empty()) continue;
    lines.push_back(kMod + mod);
    for (const auto& [source, files] : records) {
      if (files.empty()) continue;
      lines.push_back(kSource + source);
      for (const TWrote& w : files) lines.push_back(kWrote + std::to_string(w.Size) + " " + w.Hash + " " + w.Path);
    }
  }
  SaveLines(path_, lines);
}

}  // namespace eit
