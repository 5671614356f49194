// The zlib stream of a PNG's filtered rows, made fast: per block, Huffman codes built for its bytes, and
// runs of one byte coded as matches at distance 1 (what a texture's flat areas and a glyph sheet's empty
// cells filter to), and repeats of the pixel before as matches one pixel back (what gradients and
// patterns filter to). Pieces of the data are coded apart, on threads when the system gives them, and
// joined at byte boundaries, as one stream any inflater reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace eit::png {

// Rows of equal length, each made on demand into a buffer (a picture's rows, filtered).
struct TRows {
  std::size_t Count = 0;
  std::size_t Stride = 0;
  std::size_t PixelBytes = 1;  // matches reach one byte back, and one pixel (up to 4 bytes) back
  std::function<void(std::size_t row, std::uint8_t* out)> Fill;
};

// Appends the zlib stream of the rows to out. pieces: how many parts are coded at once (1: all on this
// thread); Fill is called from the parts' threads, each row once.
void DeflateFast(const TRows& rows, std::vector<std::uint8_t>& out, int pieces);

}  // namespace eit::png
