#include "engine/target_folder.h"

#include <algorithm>

#include "engine/job_files.h"
#include "engine/result_log.h"
#include "platform/paths.h"

namespace eit {

namespace {

// The texture whose header decides an export's name: the entry's own, or a font table's beside it.
std::string TextureOf(const TJobEntry& entry) {
  return entry.Kind == TJobKind::FontSheet ? ChangeFileExt(entry.Path, ".dds") : entry.Path;
}

bool SameImage(const std::string& a, const std::string& b) { return a == b || SameFile(a, b); }

}  // namespace

std::vector<std::string> ExistingImages(const TRunRequest& request) {
  std::vector<std::string> existing;
  TOutputNames names;  // the run's own naming, so that the answer is exact
  for (std::size_t i = 0; i < request.Entries.size(); ++i) {
    const TJobEntry& entry = request.Entries[i];
    if (!IsExportKind(entry.Kind)) continue;
    try {
      const detail::TTextureLoad load(TextureOf(entry), request.Engine);
      bool renamed = false;
      const std::string path =
          names.Claim(i, JoinPath(request.TargetDir, detail::ExportName(entry.Path, load.Header)), renamed, true);
      if (FileExists(path)) existing.push_back(path);
    } catch (const std::exception&) {
      // Reported when the entry runs.
    }
    names.Finish(i);
  }
  return existing;
}

std::string ExistingImagesText(const std::vector<std::string>& images, const std::string& targetDir) {
  constexpr std::size_t kShown = 5;
  std::string names;
  for (std::size_t i = 0; i < images.size() && i < kShown; ++i)
    names += (i == 0 ? "" : ", ") + ExtractFileName(images[i]);
  if (images.size() > kShown) names += " and " + std::to_string(images.size() - kShown) + " more";
  return std::to_string(images.size()) + (images.size() == 1 ? " image" : " images") + " in " + targetDir +
         (images.size() == 1 ? " already exists" : " already exist") + " and would be replaced: " + names;
}

TTargetLog ReadTargetLog(const std::string& targetDir) {
  TTargetLog log;
  log.Path = JoinPath(targetDir, "result.log");
  if (DirectoryExists(log.Path)) {
    log.Exists = true;
    log.Problem = log.Path + " is a directory, where this run's result log would go";
    return log;
  }
  if (!FileExists(log.Path)) return log;
  log.Exists = true;
  TMemoryStream bytes;
  try {
    bytes.LoadFromFile(log.Path);
  } catch (const std::exception& e) {
    log.Problem = ErrorNamingFile(e, log.Path);
    return log;
  }
  // A result log is text: a file with NUL bytes in it is something else, whatever its lines say.
  const char* text = reinterpret_cast<const char*>(bytes.Memory());
  const auto size = static_cast<std::size_t>(bytes.Size());
  if (std::find(text, text + size, '\0') != text + size) {
    log.Problem = log.Path + " is not a result log (it holds binary data), so this run's records cannot be added to it";
    return log;
  }
  log.Lines = TextLines(text, size);  // as every log is read: an older one in the ANSI code page becomes UTF-8
  for (std::size_t i = 0; i < log.Lines.size(); ++i) {
    const std::string token = FirstToken(log.Lines[i]);
    if (token.empty() || IsResultLogKeyword(token)) continue;
    log.Problem = log.Path + " is not a result log (line " + std::to_string(i + 1) +
                  " is none of its lines), so this run's records cannot be added to it";
    log.Lines.clear();
    break;
  }
  return log;
}

std::vector<std::string> MergeResultLog(const std::vector<std::string>& oldLines, const std::vector<std::string>& newLines,
                                        const std::vector<std::string>& written) {
  std::vector<std::string> merged;
  // A format line whose records all go goes with them.
  std::size_t formatAt = 0, had = 0, kept = 0;
  bool inFormat = false;
  auto closeFormat = [&] {
    if (inFormat && had > 0 && kept == 0) merged.erase(merged.begin() + static_cast<std::ptrdiff_t>(formatAt));
  };
  for (std::size_t i = 0; i < oldLines.size();) {
    const std::string token = FirstToken(oldLines[i]);
    if (token == LogKeywords.Format) {
      closeFormat();
      inFormat = true, formatAt = merged.size(), had = kept = 0;
      merged.push_back(oldLines[i++]);
      continue;
    }
    if (token != LogKeywords.Source) {
      merged.push_back(oldLines[i++]);
      continue;
    }
    // A record: its source line and what follows up to the next record or format line.
    std::size_t end = i + 1;
    std::string image;
    for (; end < oldLines.size(); ++end) {
      const std::string t = FirstToken(oldLines[end]);
      if (t == LogKeywords.Format || t == LogKeywords.Source) break;
      if (t == LogKeywords.Target && image.empty()) image = ParseTargetLine(oldLines[end]).ImagePath;
    }
    ++had;
    const bool again = !image.empty() && std::any_of(written.begin(), written.end(),
                                                      [&](const std::string& w) { return SameImage(w, image); });
    if (!again) {
      ++kept;
      merged.insert(merged.end(), oldLines.begin() + static_cast<std::ptrdiff_t>(i),
                    oldLines.begin() + static_cast<std::ptrdiff_t>(end));
    }
    i = end;
  }
  closeFormat();
  merged.insert(merged.end(), newLines.begin(), newLines.end());
  return merged;
}

}  // namespace eit
