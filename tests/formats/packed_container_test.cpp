#include <gtest/gtest.h>

#include "compression/dynazlib.h"
#include "support/engine.h"
#include "support/textures.h"

namespace eit {
namespace {

using testing::Bytes;

std::uint32_t U32At(const std::uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t{p[3]} << 24; }

TTextureForm Load(const Bytes& file, TMemoryStream& image, const std::string& name = "t.dds") {
  TMemoryStream source;
  testing::Fill(source, file);
  return LoadTextureImage(source, image, name, TLoadExtent::Whole, testing::PackEngine());
}

TEST(PackedContainer, WrittenContainerHasItsLengthsAndReadsBack) {
  for (const bool zlibOnly : {true, false}) {
  const TPackEngine engine = zlibOnly ? TPackEngine::Zlib : TPackEngine::Fastest;
  const Bytes image = testing::MakeTextureImage(64, 32, 32, "ELTE");
  TMemoryStream source, file;
  testing::Fill(source, image);
  source.SetPosition(77);  // where the source stands does not matter
  WritePackedImage(source, file, engine);
  EXPECT_EQ(file.Position(), 8);
  const std::int64_t packed = file.Size() - 12;
  EXPECT_EQ(std::string(reinterpret_cast<char*>(file.Memory()), 4), "ELTE");
  EXPECT_EQ(U32At(file.Memory() + 4), packed);
  EXPECT_EQ(U32At(file.Memory() + 8), image.size());
  // A zlib stream every inflater reads; with zlib as the engine, byte for byte what zlib level 1 writes.
  EXPECT_EQ(testing::ZlibUncompress(file.Memory() + 12, static_cast<std::size_t>(packed), image.size()), image);
  if (!UsingLibdeflate(engine)) {
    EXPECT_EQ(Bytes(file.Memory() + 12, file.Memory() + file.Size()), testing::ZlibCompress(image, 1));
  }
  TMemoryStream back;
  file.SetPosition(0);
  ReadPackedImage(file, back, engine);
  EXPECT_EQ(back.Position(), back.Size());
  EXPECT_EQ(testing::ContentOf(back), image);
  }
}

TEST(PackedContainer, WrongPackedLengthAndTrailingBytesDoNotMatter) {
  const Bytes image = testing::MakeTextureImage(16, 16, 24, "ELTE");
  Bytes file = testing::MakePackedFile(image);
  file[4] = 0x01, file[5] = 0x02;  // a wrong PackedLength
  const Bytes trailer = testing::RandomBytes(200000);
  file.insert(file.end(), trailer.begin(), trailer.end());
  TMemoryStream loaded;
  EXPECT_EQ(Load(file, loaded), TTextureForm::Packed);
  EXPECT_EQ(testing::ContentOf(loaded), image);
}

TEST(PackedContainer, ShorterUnpackedLengthYieldsOnlyThatManyBytes) {
  const Bytes image = testing::MakeTextureImage(16, 16, 24, "ELTE");
  Bytes file = testing::MakePackedFile(image);
  file[8] = 200, file[9] = 0, file[10] = 0, file[11] = 0;
  TMemoryStream source, loaded;
  testing::Fill(source, file);
  ReadPackedImage(source, loaded, testing::PackEngine());
  EXPECT_EQ(testing::ContentOf(loaded), Bytes(image.begin(), image.begin() + 200));
}

TEST(PackedContainer, LengthBeyondTheDataFailsWithReadErrorWithoutReservingIt) {
  const Bytes image = testing::MakeTextureImage(16, 16, 24, "ELTE");
  Bytes file = testing::MakePackedFile(image);
  file[8] = 0xFF, file[9] = 0xFF, file[10] = 0xFF, file[11] = 0xF0;  // about 4 GiB
  TMemoryStream source, loaded;
  testing::Fill(source, file);
  try {
    ReadPackedImage(source, loaded, testing::PackEngine());
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
  EXPECT_LT(loaded.Capacity(), 64 << 20);
}

TEST(PackedContainer, ZeroUnpackedLengthAndCorruptDataRaiseTheirErrors) {
  const Bytes image = testing::MakeTextureImage(16, 16, 24, "ELTE");
  Bytes zero = testing::MakePackedFile(image);
  zero[8] = zero[9] = zero[10] = zero[11] = 0;
  TMemoryStream source, loaded;
  testing::Fill(source, zero);
  try {
    ReadPackedImage(source, loaded, testing::PackEngine());
    FAIL();
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), "Invalid stream operation");
  }
  Bytes corrupt = testing::MakePackedFile(image);
  corrupt[12] = 0x00;
  TMemoryStream loaded2;
  try {
    Load(corrupt, loaded2);
    FAIL();
  } catch (const EDecompressionError& e) {
    EXPECT_STREQ(e.what(), "ZLIB Internal error -3");
  }
}

TEST(PackedContainer, ImageMagicInsideTheContainerIsKept) {
  const Bytes image = testing::MakeTextureImage(8, 8, 32, "XyZ!");
  TMemoryStream loaded, stored, reloaded;
  Load(testing::MakePackedFile(image), loaded);
  StoreTextureImage(loaded, TTextureForm::Packed, stored, testing::PackEngine());
  stored.SetPosition(0);
  LoadTextureImage(stored, reloaded, "again.dds", TLoadExtent::Whole, testing::PackEngine());
  EXPECT_EQ(std::string(reinterpret_cast<char*>(reloaded.Memory()), 4), "XyZ!");
  EXPECT_EQ(testing::ContentOf(reloaded), image);
}

TEST(RawTexture, LoadsAsAnExactCopyAndStoresByteForByte) {
  const Bytes file = testing::MakeTextureImage(5, 3, 24, "DDS!", 7);
  TMemoryStream loaded, stored;
  EXPECT_EQ(Load(file, loaded), TTextureForm::Raw);
  EXPECT_EQ(testing::ContentOf(loaded), file);
  StoreTextureImage(loaded, TTextureForm::Raw, stored, testing::PackEngine());
  EXPECT_EQ(testing::ContentOf(stored), file);
}

TEST(InvertImageHeader, FlipsOnlyTheHeaderAndTwiceRestoresIt) {
  const Bytes file = testing::MakeTextureImage(256, 128, 32, "DDS!", 5);
  TMemoryStream image;
  testing::Fill(image, file);
  InvertImageHeader(image);
  EXPECT_EQ(image.Position(), 128);
  const TTextureHeader header = ReadTextureHeader(image);
  EXPECT_EQ(header.Width, 256u);
  EXPECT_EQ(header.Height, 128u);
  EXPECT_EQ(header.BitCount, 32u);
  for (std::size_t i = 0; i < file.size(); ++i) {
    const bool inHeader = i >= 4 && i < 128;
    EXPECT_EQ(image.Memory()[i], inHeader ? file[i] ^ 0xFF : file[i]) << i;
  }
  InvertImageHeader(image);
  EXPECT_EQ(testing::ContentOf(image), file);
  TMemoryStream tiny;
  tiny.Write("DDS!", 4);
  EXPECT_THROW(InvertImageHeader(tiny), Exception);
}

void ExpectLoadError(const Bytes& file, const std::string& message) {
  TMemoryStream image;
  try {
    Load(file, image, "C:\\art\\bad.dds");
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), message);
  }
}

TEST(LoadTextureImage, RefusesWhatTheProgramCannotUseNamingTheFile) {
  ExpectLoadError({'d', 'd', 's', '!', 0, 0, 0, 0},
                  "C:\\art\\bad.dds is not a texture file: it begins with neither \"ELTE\" nor \"DDS!\"");
  ExpectLoadError({'D', 'D', 'S', ' ', 0, 0, 0, 0},
                  "C:\\art\\bad.dds is not a texture file: it begins with neither \"ELTE\" nor \"DDS!\"");
  ExpectLoadError({'e', 'l', 't', 'e'}, "C:\\art\\bad.dds is not a texture file: it begins with neither \"ELTE\" nor \"DDS!\"");
  ExpectLoadError({'D', 'D'}, "C:\\art\\bad.dds is not a texture file: it begins with neither \"ELTE\" nor \"DDS!\"");
  ExpectLoadError({'D', 'D', 'S', '!', 1, 2, 3},
                  "C:\\art\\bad.dds: the texture image is 7 bytes long, shorter than its 128-byte header");
  ExpectLoadError(testing::MakeTextureImage(4, 4, 16),
                  "C:\\art\\bad.dds: the texture has 16 bits per pixel; only 24 and 32 are supported");
  Bytes shortRows = testing::MakeTextureImage(4, 4, 24);
  shortRows.resize(shortRows.size() - 1);
  ExpectLoadError(shortRows, "C:\\art\\bad.dds: the texture's pixel data hold 47 bytes, but 4 x 4 pixels at 24 bits need 48");
  ExpectLoadError(testing::MakeTextureImage(70000, 0, 32),
                  "C:\\art\\bad.dds: the texture claims 70000 x 0 pixels, more than 65535 on a side");
}

}  // namespace
}  // namespace eit
