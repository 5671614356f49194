// Replaying a result log: each record's edited image goes back into a rebuilt file.
#include "app/main.h"
#include "app/result_log.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace eit {

namespace {

// The font record's range from its two code lines, or what is wrong with them.
void ReadRange(const std::vector<std::string>& lines, std::size_t at, const std::string& logPath,
               TImportRecord& record) {
  const char* patterns[2] = {"#First:", "#Last:"};
  std::int32_t* codes[2] = {&record.FirstCode, &record.EndCode};
  for (int k = 0; k < 2; ++k) {
    const std::size_t index = at + static_cast<std::size_t>(k);
    const std::optional<std::int32_t> code =
        index < lines.size() ? ParseCodeLine(lines[index], patterns[k]) : std::nullopt;
    if (code) {
      *codes[k] = *code;
      continue;
    }
    record.RangeError = logPath + ": line " + std::to_string(index + 1) + ": a font record needs \"" + patterns[k] +
                        " 0x<hex code>\" here" +
                        (index < lines.size() ? ", not \"" + lines[index] + "\"" : ", but the log ends");
    return;
  }
}

}  // namespace

void TBatchEngine::ReplayLog(const std::string& logPath) {
  ReplayLines = LoadLines(logPath);
  const std::string caption = "Processing " + ExtractFileName(logPath) + "...";
  frontEnd_.SetCurrentMessage(caption);
  frontEnd_.SetTotal(0);
  RecordFormat = jkNoFormat;
  const std::size_t n = ReplayLines.size();
  for (std::size_t i = 0; i < n;) {
    frontEnd_.SetCurrentMessage(caption);
    // A log of one line would divide by zero: its bar stays at 0.
    frontEnd_.SetTotal(n > 1 ? static_cast<int>(i * 100 / (n - 1)) : 0);
    std::size_t next = i + 1;
    const std::string& line = ReplayLines[i];
    const std::string token = FirstToken(line);
    if (token == LogKeywords[0]) {
      RecordFormat = RecordFormatOf(KeywordValue(line, LogKeywords[0]));
    } else if (token == LogKeywords[1]) {
      TImportRecord record;
      record.SourcePath = KeywordValue(line, LogKeywords[1]);
      CurrentSource = record.SourcePath;
      // Sources are opened for reading only; outputs are checked against them before creation.
      std::unique_ptr<TFileStream> SourceStream;
      if (FileExists(record.SourcePath)) SourceStream = std::make_unique<TFileStream>(record.SourcePath, FileMode::OpenRead);
      record.Source = SourceStream.get();
      frontEnd_.SetCurrentMessage("Processing " + ExtractFileName(record.SourcePath) + "...");
      record.OutputPath = JoinPath(TargetDir, ExtractFileName(record.SourcePath));
      if (RecordFormat == jkTexture || RecordFormat == jkFontSheet) {
        const TTargetLine target = i + 1 < n ? ParseTargetLine(ReplayLines[i + 1]) : TTargetLine{};
        record.ImageIsBitmap = target.Bitmap;
        record.ImagePath = target.ImagePath;
        context_.TargetDir = TargetDir;
        if (RecordFormat == jkTexture) {
          ImportTexture(context_, record);
          next = i + 2;
        } else {
          if (FileExists(record.ImagePath)) ReadRange(ReplayLines, i + 2, logPath, record);
          SourceStream.reset();  // the font import works from the paths
          ImportFontSheet(context_, record);
          next = i + 4;
        }
      }
    }
    ShowProgress(std::min(progress_ + 1, 100));
    frontEnd_.ProcessMessages();
    if (StopFlag != 0) {
      replayStopped_ = next < n;
      return;
    }
    i = next;
  }
}

}  // namespace eit
