#include "engine/image_stamp.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <system_error>

#define XXH_INLINE_ALL
#include <xxhash.h>

#include "engine/result_log.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/native.h"
#include "platform/streams.h"
#include "platform/system_words.h"

namespace eit {

namespace {

std::string Hex128(const XXH128_hash_t& hash) {
  char text[33];
  std::snprintf(text, sizeof text, "%016llx%016llx", static_cast<unsigned long long>(hash.high64),
                static_cast<unsigned long long>(hash.low64));
  return text;
}

std::string HashOfFile(const std::string& path) {
  TFileStream file(path, FileMode::OpenRead);
  std::unique_ptr<XXH3_state_t, decltype(&XXH3_freeState)> state(XXH3_createState(), &XXH3_freeState);
  if (!state) throw std::bad_alloc();
  XXH3_128bits_reset(state.get());
  constexpr std::int32_t kPiece = 1 << 20;
  const auto buffer = std::make_unique<std::uint8_t[]>(kPiece);
  for (std::int32_t got; (got = file.Read(buffer.get(), kPiece)) > 0;)
    XXH3_128bits_update(state.get(), buffer.get(), static_cast<std::size_t>(got));
  return Hex128(XXH3_128bits_digest(state.get()));
}

}  // namespace

void TakeTimeOf(const std::string& source, const std::string& file) {
  std::error_code ec;
  const auto time = std::filesystem::last_write_time(FsPath(source), ec);
  // Whole seconds, which every system can set: the same log whatever system extracted it.
  if (!ec) std::filesystem::last_write_time(FsPath(file), std::chrono::floor<std::chrono::seconds>(time), ec);
}

TImageStamp StampOfFile(const std::string& path) {
  const auto sizeAndTime = FileSizeAndTime(path);
  if (!sizeAndTime) throw EFOpenError(CannotText(TFileAct::Open, path, 0), path);
  return {sizeAndTime->Size, sizeAndTime->Time, HashOfFile(path), 0, ""};  // sealed once under its name
}

namespace {

std::string IdText(const TFileId& id) { return std::to_string(id.Device) + ":" + std::to_string(id.Inode); }

}  // namespace

bool StillAsStamped(const std::string& path, const TImageStamp& stamp) {
  const auto now = FileSizeAndTime(path);
  if (!now || now->Size != stamp.Size) return false;
  if (stamp.Change != 0 && now->Change == stamp.Change && now->Time == stamp.Time && IdText(now->Id) == stamp.Id)
    return true;
  try {
    return HashOfFile(path) == stamp.Hash;
  } catch (const std::exception&) {
    return false;  // the insert reads it again and says what is wrong
  }
}

void SealDigest(TLogRecord& record) {
  if (!record.Digest || record.Digest->Change != 0 || record.Image.empty()) return;
  const auto now = FileSizeAndTime(record.Image);
  // An image changed already, or a system that keeps no change time: the insert reads it to tell.
  if (!now || now->Size != record.Digest->Size || now->Time != record.Digest->Time || now->Change == 0) return;
  record.Digest->Change = now->Change;
  record.Digest->Id = IdText(now->Id);
}

namespace {

std::string StampLine(const char* keyword, const TImageStamp& stamp) {
  std::string line = std::string(keyword) + " " + std::to_string(stamp.Size) + " " + std::to_string(stamp.Time) +
                     " " + stamp.Hash;
  if (stamp.Change != 0) line.append(" ").append(std::to_string(stamp.Change)).append(" ").append(stamp.Id);
  return line;
}

std::optional<TImageStamp> ParseStampLine(const char* keyword, const std::string& line) {
  if (FirstToken(line) != keyword) return std::nullopt;
  std::istringstream words(line.substr(line.find(keyword) + std::string(keyword).size()));
  TImageStamp stamp;
  if (!(words >> stamp.Size >> stamp.Time >> stamp.Hash) || stamp.Size < 0 || stamp.Hash.size() != 32 ||
      stamp.Hash.find_first_not_of("0123456789abcdef") != std::string::npos)
    return std::nullopt;
  // The change time and identity count only whole: without them the file is read.
  std::int64_t change = 0;
  std::string id;
  if (words >> change >> id && change > 0 && id.find(':') != std::string::npos) stamp.Change = change, stamp.Id = id;
  return stamp;
}

}  // namespace

std::string DigestLine(const TImageStamp& stamp) { return StampLine(kDigestKeyword, stamp); }
std::optional<TImageStamp> ParseDigestLine(const std::string& line) { return ParseStampLine(kDigestKeyword, line); }
std::string OriginLine(const TImageStamp& stamp) { return StampLine(kOriginKeyword, stamp); }
std::optional<TImageStamp> ParseOriginLine(const std::string& line) { return ParseStampLine(kOriginKeyword, line); }

TImageStamp StampOfSource(const std::string& path) {
  const auto now = FileSizeAndTime(path);
  if (!now) throw EFOpenError(CannotText(TFileAct::Open, path, 0), path);
  TImageStamp stamp{now->Size, now->Time, HashOfFile(path), now->Change, ""};
  if (stamp.Change != 0) stamp.Id = IdText(now->Id);
  return stamp;
}

}  // namespace eit
