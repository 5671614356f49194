#include <gtest/gtest.h>

#include <cstring>

#include "platform/streams.h"
#include "support/test_data.h"

namespace eit {
namespace {

using testing::Bytes;

// A stream that records the size of every read and write and can refuse bytes.
class RecordingStream : public TMemoryStream {
 public:
  std::vector<std::int32_t> reads, writes;
  std::int32_t writeLimit = -1;  // bytes accepted per write; -1: all
  std::int32_t Read(void* buffer, std::int32_t count) override {
    reads.push_back(count);
    return TMemoryStream::Read(buffer, count);
  }
  std::int32_t Write(const void* buffer, std::int32_t count) override {
    writes.push_back(count);
    return TMemoryStream::Write(buffer, writeLimit >= 0 && count > writeLimit ? writeLimit : count);
  }
};

TEST(MemoryStream, ReadsBackWhatWasWrittenAndTracksPosition) {
  TMemoryStream s;
  EXPECT_EQ(s.Size(), 0);
  EXPECT_EQ(s.Write("abcdef", 6), 6);
  EXPECT_EQ(s.Position(), 6);
  EXPECT_EQ(s.Seek(-2, soFromEnd), 4);
  char buf[8] = {};
  EXPECT_EQ(s.Read(buf, 8), 2);
  EXPECT_STREQ(buf, "ef");
  EXPECT_EQ(s.Read(buf, 8), 0);
  s.SetPosition(1);
  EXPECT_EQ(s.Seek(2, soFromCurrent), 3);
  s.Write("XY", 2);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(s.Memory()), 6), "abcXYf");
}

TEST(MemoryStream, GrowingLeavesNoUndefinedBytes) {
  TMemoryStream s;
  s.SetPosition(10);
  s.Write("z", 1);
  ASSERT_EQ(s.Size(), 11);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(s.Memory()[i], 0) << i;
  s.SetSize(20);
  for (int i = 11; i < 20; ++i) EXPECT_EQ(s.Memory()[i], 0) << i;
  s.SetPosition(20);
  s.SetSize(5);  // the position moves back inside
  EXPECT_EQ(s.Position(), 5);
  EXPECT_EQ(s.Size(), 5);
}

TEST(MemoryStream, ManySmallAppendsGrowGeometrically) {
  TMemoryStream s;
  int reallocations = 0;
  std::int64_t capacity = s.Capacity();
  for (int i = 0; i < 100000; ++i) {
    s.Write("0123456789", 10);
    if (s.Capacity() != capacity) ++reallocations, capacity = s.Capacity();
  }
  EXPECT_EQ(s.Size(), 1000000);
  EXPECT_LT(reallocations, 40);
}

TEST(MemoryStream, SizeIsDerivedThroughSeekAndKeepsPosition) {
  TMemoryStream s;
  s.Write("12345", 5);
  s.SetPosition(2);
  TStream& base = s;
  EXPECT_EQ(base.Size(), 5);
  EXPECT_EQ(s.Position(), 2);
}

TEST(WholeBufferTransfer, ShortReadAndShortWriteRaise) {
  TMemoryStream s;
  s.Write("abc", 3);
  s.SetPosition(0);
  char buf[4];
  try {
    s.ReadBuffer(buf, 4);
    FAIL() << "no exception";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
  RecordingStream refusing;
  refusing.writeLimit = 2;
  try {
    refusing.WriteBuffer("abc", 3);
    FAIL() << "no exception";
  } catch (const EWriteError& e) {
    EXPECT_STREQ(e.what(), "Stream write error");
  }
  // A whole-buffer transfer of nothing moves nothing and raises nothing.
  s.ReadBuffer(buf, 0);
  refusing.WriteBuffer("", 0);
}

TEST(CopyBetweenStreams, MovesPiecesOf61440Bytes) {
  const Bytes data = testing::RandomBytes(150000);
  RecordingStream source;
  testing::Fill(source, data);
  source.reads.clear();
  source.SetPosition(1000);
  TMemoryStream dest;
  EXPECT_EQ(dest.CopyFrom(source, 130000), 130000);
  EXPECT_EQ(source.reads, (std::vector<std::int32_t>{61440, 61440, 7120}));
  EXPECT_EQ(0, std::memcmp(dest.Memory(), data.data() + 1000, 130000));
}

TEST(CopyBetweenStreams, CountZeroCopiesEverythingFromTheStart) {
  const Bytes data = testing::RandomBytes(70000);
  TMemoryStream source;
  testing::Fill(source, data);
  source.SetPosition(500);
  TMemoryStream dest;
  EXPECT_EQ(dest.CopyFrom(source, 0), 70000);
  EXPECT_EQ(testing::ContentOf(dest), data);
}

TEST(CopyBetweenStreams, SourceTooShortRaisesReadError) {
  TMemoryStream source, dest;
  source.Write("abc", 3);
  source.SetPosition(0);
  EXPECT_THROW(dest.CopyFrom(source, 4), EReadError);
}

TEST(MemoryStream, SavesToAndLoadsFromFiles) {
  testing::TempDir dir;
  const Bytes data = testing::RandomBytes(100001);
  TMemoryStream s;
  testing::Fill(s, data);
  s.SetPosition(77);
  s.SaveToFile(dir.File("a.bin"));
  TMemoryStream loaded;
  loaded.Write("old", 3);
  loaded.LoadFromFile(dir.File("a.bin"));
  EXPECT_EQ(loaded.Position(), 0);
  EXPECT_EQ(testing::ContentOf(loaded), data);
  EXPECT_THROW(loaded.LoadFromFile(dir.File("missing.bin")), EFOpenError);
}

}  // namespace
}  // namespace eit
