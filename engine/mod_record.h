// What an insert wrote into a mod folder for each record of a log. It is kept beside the log, never in
// the mod (which is copied over a game whole), so that an edit taken back takes its files out of the
// mod again, and only files still as the insert wrote them.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace eit {

class TModRecord {
 public:
  // The record kept beside logPath ("<log>.mods"), its part for the mod folder modDir. With no log, a
  // record that keeps nothing.
  TModRecord(const std::string& logPath, const std::string& modDir);
  static std::string PathFor(const std::string& logPath) { return logPath + ".mods"; }

  // The record of source wrote output (as it lies now).
  void Wrote(const std::string& source, const std::string& output);
  // The record of source is unedited again: its files still as written leave the mod (removed), those
  // changed since stay (changed). Both forgotten.
  struct TTakenBack {
    std::vector<std::string> Removed, Changed;
  };
  TTakenBack Unedited(const std::string& source);
  bool Dirty() const { return dirty_; }
  // Writes the record whole; other mod folders' parts stay as they were.
  void Save() const;

 private:
  struct TWrote {
    std::int64_t Size = 0;
    std::string Hash, Path;
  };
  using TRecords = std::map<std::string, std::vector<TWrote>>;  // by source
  std::string path_, mod_;
  std::map<std::string, TRecords> mods_;  // by mod folder
  bool dirty_ = false;
};

}  // namespace eit
