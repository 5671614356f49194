#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <cerrno>

#include "platform/files.h"
#include "platform/native.h"
#include "platform/system_words.h"
#include "platform/streams.h"
#include "support/test_data.h"

namespace eit {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(FileStream, OpenFailuresNameThePath) {
  testing::TempDir dir;
  const std::string missing = dir.File("no such.dds");
  try {
    TFileStream f(missing, FileMode::OpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file " + missing + ": " + SystemReason(ENOENT));  // the system's reason
  }
  EXPECT_THROW(TFileStream(missing, FileMode::OpenReadWrite), EFOpenError);
  const std::string inMissingDir = dir.File("nodir/x.bmp");
  try {
    TFileStream f(inMissingDir, FileMode::Create);
    FAIL();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), "Cannot create file " + inMissingDir + ": " + SystemReason(ENOENT));
  }
}

TEST(FileStream, CreateReplacesAnExistingFile) {
  testing::TempDir dir;
  const std::string path = dir.File("f.bin");
  std::ofstream(path) << "a much longer old content";
  {
    TFileStream f(path, FileMode::Create);
    f.WriteBuffer("new", 3);
    EXPECT_EQ(f.Size(), 3);
    f.Close();
  }
  EXPECT_EQ(ReadAll(path), "new");
}

TEST(FileStream, ReadOnlyStreamRefusesWrites) {
  testing::TempDir dir;
  const std::string path = dir.File("f.bin");
  std::ofstream(path) << "keep";
  TFileStream f(path, FileMode::OpenRead);
  EXPECT_THROW(f.WriteBuffer("x", 1), EWriteError);
  char buf[4];
  f.SetPosition(0);
  f.ReadBuffer(buf, 4);
  EXPECT_EQ(std::string(buf, 4), "keep");
  f.Close();
  EXPECT_EQ(ReadAll(path), "keep");
}

TEST(FileStream, ReadWriteInterleavesAndPatchesInPlace) {
  testing::TempDir dir;
  const std::string path = dir.File("f.bin");
  std::ofstream(path) << "0123456789";
  {
    TFileStream f(path, FileMode::OpenReadWrite);
    char buf[3] = {};
    f.ReadBuffer(buf, 2);
    f.WriteBuffer("ab", 2);  // a write right after a read
    f.ReadBuffer(buf, 3);    // and a read right after a write
    EXPECT_EQ(std::string(buf, 3), "456");
    EXPECT_EQ(f.Position(), 7);
    f.SetSize(8);
    EXPECT_EQ(f.Size(), 8);
    EXPECT_EQ(f.Position(), 7);
    f.Seek(0, soFromEnd);
    f.WriteBuffer("Z", 1);
    f.Close();
  }
  EXPECT_EQ(ReadAll(path), "01ab4567Z");
}

// The folder's lock between runs: one holder at a time, the lock file gone when released, and taken
// again after.
TEST(FileLock, OneHolderAtATimeAndNoFileLeftBehind) {
  testing::TempDir dir;
  const std::string path = dir.File("result.log.lock");
  {
    std::unique_ptr<TFileLock> first = TFileLock::TryTake(path);
    ASSERT_TRUE(first);
    EXPECT_FALSE(TFileLock::TryTake(path));
  }
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(TFileLock::TryTake(path));
  EXPECT_THROW(TFileLock::TryTake(dir.File("no such folder/result.log.lock")), EFCreateError);
}

#ifndef _WIN32
// A target folder renamed while an output is under way keeps no temporary: it goes where the folder went.
TEST(AtomicFile, ATemporaryGoesEvenWhenItsFolderWasRenamed) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.File("D"));
  {
    TAtomicFile file(dir.File("D/x.bmp"));
    file.Stream().WriteBuffer("abc", 3);
    std::filesystem::rename(dir.File("D"), dir.File("E"));
    EXPECT_THROW(file.Commit(), EStreamError);
  }
  EXPECT_TRUE(std::filesystem::is_empty(dir.File("E")));
}
#endif

}  // namespace
}  // namespace eit
