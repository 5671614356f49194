// What an extract knows of each image it wrote, so that an insert can tell an unedited image from an
// edited one without decoding it: its size, its modification time and a hash of its bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace eit {

struct TImageStamp {
  std::int64_t Size = 0;
  std::int64_t Time = 0;  // the modification time, in nanoseconds since 1970
  std::string Hash;       // 32 hexadecimal digits (XXH3, 128 bits) of the file's bytes
  bool operator==(const TImageStamp&) const = default;
};

// Gives file the modification time of source, in whole seconds (when the system lets it): an image
// extracted twice, by any number of workers, on any system, gets the same stamp.
void TakeTimeOf(const std::string& source, const std::string& file);
// The stamp of a file as it lies now; raises naming the file when it cannot be read.
TImageStamp StampOfFile(const std::string& path);
// Whether the file still holds what the stamp recorded. Size and time equal answer at once; a file that
// was copied or touched since is read and hashed. A file that is missing or cannot be read has changed.
bool StillAsStamped(const std::string& path, const TImageStamp& stamp);

// "#Digest: 49206 1765212345123456789 9f86d081884c7d659a2feaa0c55ad015", and back (empty when the line is
// not one).
std::string DigestLine(const TImageStamp& stamp);
std::optional<TImageStamp> ParseDigestLine(const std::string& line);

}  // namespace eit
