// A mod that follows the edits: what each insert wrote into its target is kept beside the log, and a
// record unedited again takes its files, still as written, out of the target.
#include "engine/entry_run.h"
#include "engine/main.h"
#include "engine/mod_record.h"
#include "platform/paths.h"

namespace eit {

namespace {

TText StayInTheMod(const std::exception& e, const std::string& file) {
  return Says(EIT_SAYS("%1; files of edits taken back stay in the mod"), {ErrorNamingFile(e, file)});
}

TText StaysEvenTakenBack(const std::exception& e, const std::string& file) {
  return Says(EIT_SAYS("%1; it stays in the mod even when its edit is taken back"), {ErrorNamingFile(e, file)});
}

TText ChangedSinceWritten(const std::string& path) {
  return Says(EIT_SAYS("unedited again, but %1 was changed since the insert wrote it: it stays in the mod"), {path});
}

TText LaterStayInTheMod(const std::exception& e, const std::string& file) {
  return Says(EIT_SAYS("%1; edits taken back later stay in the mod"), {ErrorNamingFile(e, file)});
}

}  // namespace

TModRecord* TBatchEngine::ModRecordNow() {
  if (request_ == nullptr || !request_->ChangedOnly || modLog_.empty()) return nullptr;
  std::unique_ptr<TModRecord>& record = modRecords_[modLog_];
  if (!record) {
    try {
      record = std::make_unique<TModRecord>(modLog_, request_->TargetDir);
    } catch (const std::exception& e) {
      // Read as empty: nothing is taken out of the mod on a record that cannot be read.
      Warning(modLog_, StayInTheMod(e, TModRecord::PathFor(modLog_)));
      record = std::make_unique<TModRecord>("", "");
    }
  }
  return record.get();
}

void TBatchEngine::NoteWritten(const std::string& source, const std::string& output) {
  TModRecord* record = ModRecordNow();
  if (record == nullptr) return;
  try {
    record->Wrote(source, output);
  } catch (const std::exception& e) {
    Warning(source, StaysEvenTakenBack(e, output));
  }
}

void TBatchEngine::Unedited(const std::string& source) {
  ++report_.Unedited;
  TModRecord* record = ModRecordNow();
  if (record == nullptr) return;
  // A font's texture is written under its own name, its table under the record's.
  const bool font = ExtractFileExtLower(source) == ".tdt";
  for (const std::string& s : SourcesOf(font ? TJobKind::FontSheet : TJobKind::Texture, source)) {
    const TModRecord::TTakenBack back = record->Unedited(s);
    for (const std::string& path : back.Removed)
      ShowResult({TResultLine::TKind::UneditedAgain, s, path});
    for (const std::string& path : back.Changed)
      Warning(s, ChangedSinceWritten(path));
  }
}

void TBatchEngine::SaveModRecords() {
  for (auto& [log, record] : modRecords_) {
    if (!record->Dirty()) continue;
    try {
      record->Save();
    } catch (const std::exception& e) {
      if (request_ != nullptr)
        Warning(log, LaterStayInTheMod(e, TModRecord::PathFor(log)));
    }
  }
  modRecords_.clear();
}

}  // namespace eit
