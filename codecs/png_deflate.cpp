// A deflate coder of one kind: dynamic Huffman blocks of literals and matches one byte or one pixel back.
#include "codecs/png_deflate.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <bit>
#include <cstring>
#include <memory>
#include <queue>
#include <system_error>

#include <zlib.h>

#include "codecs/png_bits.h"
#include "platform/worker_thread.h"

namespace eit::png {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 18;
constexpr int kLitLenSymbols = 286;
constexpr int kMinRun = 4;  // a shorter run is cheaper as literals
constexpr int kMaxMatch = 258;
// Tokens: a literal byte (< 256), kRun + length (a match one byte back), kPixel + length (one pixel back).
constexpr std::uint16_t kRun = 256, kPixel = kRun + kMaxMatch + 1;
constexpr std::size_t kTokens = kPixel + kMaxMatch + 1;
constexpr std::size_t kAhead = 4;  // bytes of the block before kept ahead of a block: at most a pixel

// Match lengths 3..258 as length codes (257..285) with their extra bits.
struct TLengthCode {
  std::uint16_t Symbol;
  std::uint8_t ExtraBits;
  std::uint16_t Extra;
};
const std::array<TLengthCode, kMaxMatch + 1>& LengthCodes() {
  static const auto table = [] {
    static constexpr int kBase[29] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31,
                                      35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static constexpr int kExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
    std::array<TLengthCode, kMaxMatch + 1> codes{};
    for (int code = 0; code < 29; ++code) {
      const int last = code == 28 ? 258 : (code == 27 ? 257 : kBase[code + 1] - 1);
      for (int length = kBase[code]; length <= last; ++length)
        codes[static_cast<std::size_t>(length)] = {static_cast<std::uint16_t>(257 + code),
                                                   static_cast<std::uint8_t>(kExtra[code]),
                                                   static_cast<std::uint16_t>(length - kBase[code])};
    }
    return codes;
  }();
  return table;
}

// Code lengths of at most limit bits for the frequencies (a complete code over at least two symbols:
// a symbol is added when fewer are used, as inflaters refuse a code of one).
std::vector<std::uint8_t> CodeLengths(std::vector<std::uint32_t> freq, int limit) {
  const std::size_t n = freq.size();
  int used = 0;
  for (const std::uint32_t f : freq) used += f != 0;
  for (std::size_t s = 0; used < 2 && s < n; ++s)
    if (freq[s] == 0) freq[s] = 1, ++used;
  std::vector<std::uint8_t> lengths(n, 0);
  for (;;) {
    // Huffman's tree over the used symbols; parents recorded to read the depths off.
    using TNode = std::pair<std::uint64_t, int>;
    std::priority_queue<TNode, std::vector<TNode>, std::greater<>> queue;
    std::vector<int> parent(2 * n, -1);
    for (std::size_t s = 0; s < n; ++s)
      if (freq[s] != 0) queue.emplace(freq[s], static_cast<int>(s));
    int next = static_cast<int>(n);
    while (queue.size() > 1) {
      const TNode a = queue.top();
      queue.pop();
      const TNode b = queue.top();
      queue.pop();
      parent[static_cast<std::size_t>(a.second)] = parent[static_cast<std::size_t>(b.second)] = next;
      queue.emplace(a.first + b.first, next++);
    }
    int longest = 0;
    for (std::size_t s = 0; s < n; ++s) {
      if (freq[s] == 0) continue;
      int depth = 0;
      for (int p = parent[s]; p != -1; p = parent[static_cast<std::size_t>(p)]) ++depth;
      lengths[s] = static_cast<std::uint8_t>(depth);
      longest = std::max(longest, depth);
    }
    if (longest <= limit) return lengths;
    // Too deep: flatten the frequencies and build again.
    for (std::uint32_t& f : freq)
      if (f != 0) f = (f >> 1) | 1;
  }
}

// Canonical codes, bit-reversed for the writer (deflate sends Huffman codes from their top bit).
std::vector<std::uint16_t> Codes(const std::vector<std::uint8_t>& lengths) {
  std::array<int, 17> count{};
  for (const std::uint8_t l : lengths) ++count[l];
  count[0] = 0;
  std::array<int, 17> next{};
  for (int bits = 1, code = 0; bits <= 16; ++bits) {
    code = (code + count[static_cast<std::size_t>(bits - 1)]) << 1;
    next[static_cast<std::size_t>(bits)] = code;
  }
  std::vector<std::uint16_t> codes(lengths.size(), 0);
  for (std::size_t s = 0; s < lengths.size(); ++s) {
    const int l = lengths[s];
    if (l == 0) continue;
    int code = next[static_cast<std::size_t>(l)]++, reversed = 0;
    for (int k = 0; k < l; ++k) reversed = (reversed << 1) | ((code >> k) & 1);
    codes[s] = static_cast<std::uint16_t>(reversed);
  }
  return codes;
}

std::uint32_t Load32(const std::uint8_t* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

// One token per literal or match, each counted by its token; returns the count. Bytes before first are
// another piece's, maybe being filled meanwhile: no match reaches them.
std::size_t Tokenise(const std::uint8_t* data, std::size_t begin, std::size_t end, std::size_t first,
                     std::size_t pixel, std::uint16_t* tokens, std::uint32_t* counts) {
  std::size_t i = begin, n = 0;
  const auto matched = [&](std::size_t back) {
    std::size_t length = kMinRun;
    const std::size_t most = std::min<std::size_t>(kMaxMatch, end - i);
    while (length < most && data[i + length] == data[i + length - back]) ++length;
    return length;
  };
  const auto emit = [&](std::uint16_t token) {
    tokens[n++] = token;
    ++counts[token];
  };
  // Where a byte and a pixel back are the piece's, and four bytes can be compared at once.
  const std::size_t from = std::max(begin, first + std::max<std::size_t>(pixel, 1));
  for (; i < std::min(from, end); ++i) emit(data[i]);
  while (i + kMinRun <= end) {
    const std::uint32_t here = Load32(data + i);
    // Four bytes equal to the four one byte back are four of the byte before.
    if (here == Load32(data + i - 1)) {
      const std::size_t run = matched(1);
      emit(static_cast<std::uint16_t>(kRun + run));
      i += run;
    } else if (pixel > 1 && here == Load32(data + i - pixel)) {
      const std::size_t run = matched(pixel);
      emit(static_cast<std::uint16_t>(kPixel + run));
      i += run;
    } else {
      emit(data[i++]);
    }
  }
  for (; i < end; ++i) emit(data[i]);
  return n;
}

// How often each literal and length symbol occurs, from the tokens' counts.
std::vector<std::uint32_t> SymbolCounts(const std::uint32_t* counts) {
  std::vector<std::uint32_t> freq(counts, counts + 256);
  freq.resize(kLitLenSymbols, 0);
  for (int run = 3; run <= kMaxMatch; ++run)
    freq[LengthCodes()[static_cast<std::size_t>(run)].Symbol] +=
        counts[static_cast<std::size_t>(kRun + run)] + counts[static_cast<std::size_t>(kPixel + run)];
  return freq;
}

// The header of a dynamic block: its code lengths, sent as themselves (0..15) with their own Huffman code.
// Distances: codes 0 (one byte back) and distances - 1 (one pixel back), one bit each, the rest unused.
void WriteBlockHeader(TBitWriter& bits, bool last, const std::vector<std::uint8_t>& litLengths, int distances) {
  std::vector<std::uint32_t> lengthFreq(19, 0);
  for (const std::uint8_t l : litLengths) ++lengthFreq[l];
  lengthFreq[1] += 2;
  lengthFreq[0] += static_cast<std::uint32_t>(distances - 2);
  const std::vector<std::uint8_t> clLengths = CodeLengths(lengthFreq, 7);
  const std::vector<std::uint16_t> clCodes = Codes(clLengths);
  static constexpr int kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
  bits.Put(last ? 1 : 0, 1);
  bits.Put(2, 2);                                       // dynamic Huffman codes
  bits.Put(kLitLenSymbols - 257, 5);                    // HLIT
  bits.Put(static_cast<std::uint32_t>(distances - 1), 5);  // HDIST
  bits.Put(19 - 4, 4);                                  // HCLEN
  for (const int s : kOrder) bits.Put(clLengths[static_cast<std::size_t>(s)], 3);
  for (const std::uint8_t l : litLengths) bits.Put(clCodes[l], clLengths[l]);
  for (int d = 0; d < distances; ++d) {
    const std::uint8_t l = d == 0 || d == distances - 1 ? 1 : 0;
    bits.Put(clCodes[l], clLengths[l]);
  }
}

// Every token's bits: the code, a match's extra bits and its distance code's bit (0: a byte back, 1: a pixel).
void SentBits(const std::vector<std::uint8_t>& litLengths, const std::vector<std::uint16_t>& litCodes,
              std::array<std::uint32_t, kTokens>& sent, std::array<std::uint8_t, kTokens>& sentBits) {
  for (int t = 0; t < 256; ++t) sent[static_cast<std::size_t>(t)] = litCodes[static_cast<std::size_t>(t)],
                                sentBits[static_cast<std::size_t>(t)] = litLengths[static_cast<std::size_t>(t)];
  for (int run = 3; run <= kMaxMatch; ++run) {
    const TLengthCode& lc = LengthCodes()[static_cast<std::size_t>(run)];
    const int codeBits = litLengths[lc.Symbol];
    const std::uint32_t code = litCodes[lc.Symbol] | std::uint32_t{lc.Extra} << codeBits;
    const auto bitCount = static_cast<std::uint8_t>(codeBits + lc.ExtraBits + 1);
    sent[static_cast<std::size_t>(kRun + run)] = code;
    sent[static_cast<std::size_t>(kPixel + run)] = code | std::uint32_t{1} << (codeBits + lc.ExtraBits);
    sentBits[static_cast<std::size_t>(kRun + run)] = sentBits[static_cast<std::size_t>(kPixel + run)] = bitCount;
  }
}

// A block of data[begin, end); bytes before first are not this piece's.
void WriteBlock(TBitWriter& bits, const std::uint8_t* data, std::size_t begin, std::size_t end, std::size_t first,
                std::size_t pixel, bool last, std::vector<std::uint16_t>& tokens) {
  tokens.resize(end - begin);
  std::array<std::uint32_t, kTokens> counts{};
  const std::size_t count = Tokenise(data, begin, end, first, pixel, tokens.data(), counts.data());
  std::vector<std::uint32_t> freq = SymbolCounts(counts.data());
  freq[256] = 1;
  const std::vector<std::uint8_t> litLengths = CodeLengths(freq, 15);
  const std::vector<std::uint16_t> litCodes = Codes(litLengths);
  bits.Reserve(400 + count * 3);  // header, and at most 21 bits a token
  WriteBlockHeader(bits, last, litLengths, std::max(2, static_cast<int>(pixel)));
  std::array<std::uint32_t, kTokens> sent{};
  std::array<std::uint8_t, kTokens> sentBits{};
  SentBits(litLengths, litCodes, sent, sentBits);
  // As many tokens between stores as the block's longest fit in the 57 bits a store leaves free.
  int longest = 1;
  for (int t = 0; t < 256; ++t)
    if (freq[static_cast<std::size_t>(t)] != 0) longest = std::max<int>(longest, litLengths[static_cast<std::size_t>(t)]);
  for (int run = 3; run <= kMaxMatch; ++run)
    if (freq[LengthCodes()[static_cast<std::size_t>(run)].Symbol] != 0)
      longest = std::max<int>(longest, sentBits[static_cast<std::size_t>(kRun + run)]);
  if (longest * 4 <= 57)
    bits.PutAll<4>(tokens.data(), count, sent.data(), sentBits.data());
  else if (longest * 3 <= 57)
    bits.PutAll<3>(tokens.data(), count, sent.data(), sentBits.data());
  else
    bits.PutAll<2>(tokens.data(), count, sent.data(), sentBits.data());
  bits.Put(litCodes[256], litLengths[256]);
}

// The blocks of rows [begin, end), a few rows to a block, each filled just before it is coded (while it is in
// the cache); a piece that is not the last ends on a byte boundary after an empty stored block, so that the
// next piece's bytes follow it directly. Adds the rows' bytes to adler.
void DeflatePiece(const TRows& rows, std::size_t begin, std::size_t end, bool last, TOutBytes& out,
                  std::uint32_t& adler) {
  TBitWriter bits(out);
  std::vector<std::uint16_t> tokens;
  const std::size_t rowsPerBlock = std::max<std::size_t>(1, kBlockBytes / std::max<std::size_t>(rows.Stride, 1));
  const std::size_t pixel = std::clamp<std::size_t>(rows.PixelBytes, 1, kAhead);
  // Bytes ahead of the rows: the last of the block before, which a match may repeat.
  std::unique_ptr<std::uint8_t[]> block(new std::uint8_t[kAhead + rowsPerBlock * rows.Stride]);
  for (std::size_t row = begin; row < end; row += rowsPerBlock) {
    const std::size_t count = std::min(rowsPerBlock, end - row);
    for (std::size_t k = 0; k < count; ++k) rows.Fill(row + k, block.get() + kAhead + k * rows.Stride);
    const std::size_t bytes = count * rows.Stride;
    adler = static_cast<std::uint32_t>(adler32(adler, block.get() + kAhead, static_cast<uInt>(bytes)));
    // The piece's first block has nothing before it; a later one has its block before's last bytes.
    const std::size_t first = row == begin ? kAhead : kAhead - std::min(kAhead, (row - begin) * rows.Stride);
    WriteBlock(bits, block.get(), kAhead, kAhead + bytes, first, pixel, last && row + count == end, tokens);
    std::memmove(block.get(), block.get() + bytes, kAhead);
  }
  if ((begin == end || rows.Stride == 0) && last) {  // nothing at all: one empty final block
    bits.Reserve(8);
    bits.Put(1, 1);
    bits.Put(1, 2);
    bits.Put(0, 7);
  }
  if (!last) {
    bits.Put(0, 3);
    bits.Align();
    bits.Bytes({0x00, 0x00, 0xFF, 0xFF});
  }
  bits.Align();
}

}  // namespace

void DeflateFast(const TRows& rows, std::vector<std::uint8_t>& out, int pieces) {
  out.push_back(0x78);  // deflate, 32K window
  out.push_back(0x01);  // fastest; the check bits make 0x7801 a multiple of 31
  const std::size_t size = rows.Count * rows.Stride;
  pieces = std::max(1, std::min<int>(pieces, static_cast<int>(size / (4 * kBlockBytes)) + 1));
  const std::size_t part = (rows.Count + static_cast<std::size_t>(pieces) - 1) / static_cast<std::size_t>(pieces);
  std::vector<TOutBytes> coded(static_cast<std::size_t>(pieces));
  std::vector<std::uint32_t> sums(static_cast<std::size_t>(pieces), 1);
  const auto code = [&](std::size_t k) {
    const std::size_t begin = std::min(rows.Count, k * part), end = std::min(rows.Count, begin + part);
    coded[k].Reserve((end - begin) * rows.Stride / 3);
    sums[k] = 1;
    DeflatePiece(rows, begin, end, k + 1 == coded.size(), coded[k], sums[k]);
  };
  std::vector<std::unique_ptr<TWorkerThread>> threads;
  std::size_t k = 1;
  for (; k < coded.size(); ++k) {
    try {
      threads.push_back(std::make_unique<TWorkerThread>([&, k] {
        try {
          code(k);
        } catch (...) {
          coded[k].SetSize(0);  // coded again below
        }
      }));
    } catch (const std::system_error&) {
      break;  // no thread: the rest on this one
    }
  }
  code(0);
  for (std::size_t rest = k; rest < coded.size(); ++rest) code(rest);
  for (auto& t : threads) t->Join();
  for (std::size_t p = 1; p < k; ++p)
    if (coded[p].Size() == 0) code(p);

  std::uint32_t adler = sums[0];
  out.insert(out.end(), coded[0].Data(), coded[0].Data() + coded[0].Size());
  for (std::size_t p = 1; p < coded.size(); ++p) {
    const std::size_t begin = std::min(rows.Count, p * part), end = std::min(rows.Count, begin + part);
    adler = static_cast<std::uint32_t>(adler32_combine(adler, sums[p], static_cast<z_off_t>((end - begin) * rows.Stride)));
    out.insert(out.end(), coded[p].Data(), coded[p].Data() + coded[p].Size());
  }
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(adler >> shift));
}

}  // namespace eit::png
