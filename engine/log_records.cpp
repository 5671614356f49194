// A result log's records: written in one order, found in a log's lines one way for every reader.
#include "engine/image_stamp.h"
#include "engine/result_log.h"

namespace eit {

std::vector<std::string> RecordLines(const TLogRecord& record) {
  std::vector<std::string> lines = {FormatLine(record.Format)};
  if (!record.Tree.empty()) lines.push_back(TreeLine(record.Tree));
  for (const TImageStamp& origin : record.Origins) lines.push_back(OriginLine(origin));
  if (record.Digest) lines.push_back(DigestLine(*record.Digest));
  lines.push_back(SourceLine(record.Source));
  if (!record.Image.empty()) lines.push_back(TargetLine(record.Bitmap, record.Image));
  return lines;
}

bool IsRecordPrefix(const std::string& token) {
  return token == kTreeKeyword || token == kDigestKeyword || token == kOriginKeyword;
}

namespace {

// The first line of the record whose source line is at source: its first prefix line, with the user's
// lines among its prefix lines, not above floor.
std::size_t RecordBegin(const std::vector<std::string>& lines, std::size_t source, std::size_t floor) {
  std::size_t begin = source;
  while (begin > floor) {
    const std::string token = FirstToken(lines[begin - 1]);
    if (!IsRecordPrefix(token) && IsResultLogKeyword(token)) break;
    --begin;
  }
  // The user's lines above its first prefix line are the record's above, or nobody's.
  while (begin < source && !IsRecordPrefix(FirstToken(lines[begin]))) ++begin;
  return begin;
}

}  // namespace

std::vector<TRecordSpan> RecordSpans(const std::vector<std::string>& lines) {
  std::vector<TRecordSpan> spans;
  TJobKind format = TJobKind::NoFormat;
  std::size_t floor = 0;  // no record reaches above this line
  bool open = false;      // the last record has not ended yet
  auto close = [&](std::size_t at) {
    if (open) spans.back().End = at;
    open = false;
  };
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string token = FirstToken(lines[i]);
    if (token == LogKeywords.Format) {
      close(i);
      format = RecordFormatOf(KeywordValue(lines[i], LogKeywords.Format));
      floor = i + 1;
    } else if (token == LogKeywords.Source) {
      const std::size_t begin = RecordBegin(lines, i, floor);
      close(begin);
      const bool target = i + 1 < lines.size() && IsTargetLine(lines[i + 1]);
      spans.push_back({begin, i, target ? i + 1 : i, lines.size(), format});
      open = true;
      floor = i + 1;
    }
  }
  close(lines.size());
  return spans;
}

}  // namespace eit
