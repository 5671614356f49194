// What an extract knows of each image it wrote, so that an insert can tell an unedited image from an
// edited one without decoding it: its size, its modification time and a hash of its bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace eit {

struct TImageStamp {
  std::int64_t Size = 0;
  std::int64_t Time = 0;  // the modification time, in nanoseconds since 1970
  std::string Hash;       // 32 hexadecimal digits (XXH3, 128 bits) of the file's bytes
  // The image under its name as the run left it: its status change time and identity, which a copy, a
  // swap, a link or a touch cannot keep (0 and empty: not known, as in logs of earlier versions).
  std::int64_t Change = 0;
  std::string Id;  // "<device>:<inode>" (volume and file index on Windows)
  bool operator==(const TImageStamp&) const = default;
};

// Gives file the modification time of source, in whole seconds (when the system lets it): an image
// extracted twice, by any number of workers, on any system, gets the same stamp.
void TakeTimeOf(const std::string& source, const std::string& file);
// The stamp of a file as it lies now; raises naming the file when it cannot be read.
TImageStamp StampOfFile(const std::string& path);
// Whether the file still holds what the stamp recorded. Only the same file, untouched since (size, time,
// change time and identity all equal), answers at once; any other is read and hashed. A file that is
// missing or cannot be read has changed.
bool StillAsStamped(const std::string& path, const TImageStamp& stamp);
struct TLogRecord;
// Completes a record's digest once its image lies under its name: the change time and identity it has
// there (a rename changes the change time).
void SealDigest(TLogRecord& record);

// "#Digest: 49206 1765212345123456789 9f86d081884c7d659a2feaa0c55ad015 1765212399000000001 2049:1311", and
// back (empty when the line is not one); readers of earlier versions take the first three values.
std::string DigestLine(const TImageStamp& stamp);
std::optional<TImageStamp> ParseDigestLine(const std::string& line);
// "#Origin: ..." the same way, for a source as the extract read it (its change time and identity as they
// were: sources are never written).
std::string OriginLine(const TImageStamp& stamp);
std::optional<TImageStamp> ParseOriginLine(const std::string& line);
// The stamp of a source, whole.
TImageStamp StampOfSource(const std::string& path);

}  // namespace eit
