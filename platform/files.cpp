#include "platform/files.h"

#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/paths.h"

namespace eit {

TAtomicFile::TAtomicFile(const std::string& path) : path_(path) {
  // The temporary name is unique to this process and attempt; it lives beside the final file so that
  // the rename never crosses file systems.
  static std::mt19937_64 gen{std::random_device{}()};
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%012llx.tmp", static_cast<unsigned long long>(gen() & 0xFFFFFFFFFFFFull));
  temporary_ = path + suffix;
  try {
    stream_ = std::make_unique<TFileStream>(temporary_, FileMode::Create);
  } catch (const EFCreateError&) {
    throw EFCreateError("Cannot create file " + path);
  }
}

TAtomicFile::~TAtomicFile() {
  if (committed_) return;
  stream_.reset();
  std::error_code ignored;
  std::filesystem::remove(temporary_, ignored);
}

std::int64_t TAtomicFile::Commit() {
  const std::int64_t size = stream_->Size();
  stream_->Close();
  std::error_code ec;
  std::filesystem::rename(temporary_, path_, ec);
  if (ec) throw EFCreateError("Cannot create file " + path_);
  committed_ = true;
  return size;
}

std::vector<std::string> SplitLines(const char* text, std::size_t size) {
  std::vector<std::string> lines;
  std::size_t start = 0, i = 0;
  for (; i < size && text[i] != '\0'; ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text + start, i - start);
    if (text[i] == '\r' && i + 1 < size && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (i > start) lines.emplace_back(text + start, i - start);
  return lines;
}

std::vector<std::string> LoadLines(const std::string& path) {
  TMemoryStream bytes;
  bytes.LoadFromFile(path);
  return SplitLines(reinterpret_cast<const char*>(bytes.Memory()), static_cast<std::size_t>(bytes.Size()));
}

void SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  TMemoryStream text;
  for (const std::string& line : lines) {
    text.WriteBuffer(line.data(), static_cast<std::int32_t>(line.size()));
    text.WriteBuffer("\r\n", 2);
  }
  TAtomicFile file(path);
  text.SaveToStream(file.Stream());
  file.Commit();
}

}  // namespace eit
