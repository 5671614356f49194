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
  if (!sizeAndTime) throw EFOpenError("Cannot open file " + path);
  return {sizeAndTime->Size, sizeAndTime->Time, HashOfFile(path)};
}

bool StillAsStamped(const std::string& path, const TImageStamp& stamp) {
  const auto sizeAndTime = FileSizeAndTime(path);
  if (!sizeAndTime || sizeAndTime->Size != stamp.Size) return false;
  if (sizeAndTime->Time == stamp.Time) return true;
  try {
    return HashOfFile(path) == stamp.Hash;
  } catch (const std::exception&) {
    return false;  // the insert reads it again and says what is wrong
  }
}

std::string DigestLine(const TImageStamp& stamp) {
  return std::string(kDigestKeyword) + " " + std::to_string(stamp.Size) + " " + std::to_string(stamp.Time) + " " +
         stamp.Hash;
}

std::optional<TImageStamp> ParseDigestLine(const std::string& line) {
  if (FirstToken(line) != kDigestKeyword) return std::nullopt;
  std::istringstream words(line.substr(line.find(kDigestKeyword) + std::string(kDigestKeyword).size()));
  TImageStamp stamp;
  if (!(words >> stamp.Size >> stamp.Time >> stamp.Hash) || stamp.Size < 0 || stamp.Hash.size() != 32 ||
      stamp.Hash.find_first_not_of("0123456789abcdef") != std::string::npos)
    return std::nullopt;
  return stamp;
}

}  // namespace eit
