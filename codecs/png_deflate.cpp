// A deflate coder of one kind: dynamic Huffman blocks of literals and distance-1 matches.
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

#include "platform/worker_thread.h"

namespace eit::png {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 18;
constexpr int kLitLenSymbols = 286;
constexpr int kMinRun = 4;  // a shorter run is cheaper as literals
constexpr int kMaxMatch = 258;

// Bytes that grow without being zeroed first: every byte is written before it is read.
class TOutBytes {
 public:
  std::uint8_t* Data() { return block_.get(); }
  std::size_t Size() const { return size_; }
  void SetSize(std::size_t size) { size_ = size; }
  void Reserve(std::size_t capacity) {
    if (capacity <= capacity_) return;
    capacity = std::max(capacity, capacity_ + capacity_ / 2);
    void* grown = std::realloc(block_.get(), capacity);
    if (grown == nullptr) throw std::bad_alloc();
    block_.release();
    block_.reset(static_cast<std::uint8_t*>(grown));
    capacity_ = capacity;
  }

 private:
  struct TFree {
    void operator()(std::uint8_t* p) const { std::free(p); }
  };
  std::unique_ptr<std::uint8_t, TFree> block_;
  std::size_t size_ = 0, capacity_ = 0;
};

class TBitWriter {
 public:
  explicit TBitWriter(TOutBytes& out) : out_(out), used_(out.Size()) {}
  ~TBitWriter() { out_.SetSize(used_); }
  // Room for at least bytes more before the next Reserve.
  void Reserve(std::size_t bytes) {
    out_.Reserve(used_ + bytes + 8);
    cursor_ = out_.Data() + used_;
  }
  void Put(std::uint32_t bits, int count) {
    buffer_ |= std::uint64_t{bits} << filled_;
    filled_ += count;
    if (filled_ >= 32) {
      const auto word = static_cast<std::uint32_t>(buffer_);
      cursor_[0] = static_cast<std::uint8_t>(word), cursor_[1] = static_cast<std::uint8_t>(word >> 8);
      cursor_[2] = static_cast<std::uint8_t>(word >> 16), cursor_[3] = static_cast<std::uint8_t>(word >> 24);
      cursor_ += 4;
      used_ += 4;
      buffer_ >>= 32;
      filled_ -= 32;
    }
  }
  // Each token's bits from the tables, two tokens (at most 42 bits) between stores of whole bytes; the
  // state is kept in locals meanwhile, which the compiler keeps in registers.
  void PutAll(const std::uint16_t* tokens, std::size_t count, const std::uint32_t* sent, const std::uint8_t* sentBits) {
    std::uint64_t buffer = buffer_;
    int filled = filled_;
    std::uint8_t* cursor = cursor_;
    const auto store = [&] {
      if constexpr (std::endian::native == std::endian::little)
        std::memcpy(cursor, &buffer, 8);
      else
        for (int k = 0; k < 8; ++k) cursor[k] = static_cast<std::uint8_t>(buffer >> (8 * k));
      const int whole = filled >> 3;
      cursor += whole;
      buffer = whole == 8 ? 0 : buffer >> (8 * whole);
      filled &= 7;
    };
    store();
    std::size_t k = 0;
    for (; k + 1 < count; k += 2) {
      buffer |= std::uint64_t{sent[tokens[k]]} << filled;
      filled += sentBits[tokens[k]];
      buffer |= std::uint64_t{sent[tokens[k + 1]]} << filled;
      filled += sentBits[tokens[k + 1]];
      store();
    }
    if (k < count) {
      buffer |= std::uint64_t{sent[tokens[k]]} << filled;
      filled += sentBits[tokens[k]];
      store();
    }
    used_ += static_cast<std::size_t>(cursor - cursor_);
    cursor_ = cursor, buffer_ = buffer, filled_ = filled;
  }
  // To the next byte boundary, with zero bits.
  void Align() {
    Reserve(8);
    while (filled_ > 0) {
      *cursor_++ = static_cast<std::uint8_t>(buffer_);
      ++used_;
      buffer_ >>= 8;
      filled_ = std::max(0, filled_ - 8);
    }
    buffer_ = 0;
  }
  void Bytes(std::initializer_list<std::uint8_t> bytes) {
    Reserve(bytes.size());
    for (const std::uint8_t b : bytes) *cursor_++ = b, ++used_;
  }

 private:
  TOutBytes& out_;
  std::size_t used_;
  std::uint8_t* cursor_ = nullptr;
  std::uint64_t buffer_ = 0;
  int filled_ = 0;
};

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

// One token per literal or match: a byte (< 256) or 256 + match length. Returns the count.
// A part's first byte is a literal: the byte before it is another part's, maybe being filled meanwhile.
std::size_t Tokenise(const std::uint8_t* data, std::size_t begin, std::size_t end, std::uint16_t* tokens,
                     bool partBegins) {
  std::size_t i = begin, n = 0;
  if (partBegins && i < end) tokens[n++] = data[i++];
  while (i < end) {
    const std::uint8_t previous = data[i - 1];
    if (data[i] == previous && i + kMinRun <= end && data[i + 1] == previous && data[i + 2] == previous &&
        data[i + 3] == previous) {
      std::size_t run = kMinRun;
      const std::size_t most = std::min<std::size_t>(kMaxMatch, end - i);
      while (run < most && data[i + run] == previous) ++run;
      tokens[n++] = static_cast<std::uint16_t>(256 + run);
      i += run;
      continue;
    }
    tokens[n++] = data[i++];
  }
  return n;
}

// How often each literal and length symbol occurs: four tables, so that a run of one value does not
// wait on its own count.
std::vector<std::uint32_t> SymbolCounts(const std::uint16_t* tokens, std::size_t count) {
  static const auto symbolOf = [] {
    std::array<std::uint16_t, 256 + kMaxMatch + 1> symbols{};
    for (int t = 0; t < 256; ++t) symbols[static_cast<std::size_t>(t)] = static_cast<std::uint16_t>(t);
    for (int run = 3; run <= kMaxMatch; ++run)
      symbols[static_cast<std::size_t>(256 + run)] = LengthCodes()[static_cast<std::size_t>(run)].Symbol;
    return symbols;
  }();
  std::array<std::array<std::uint32_t, kLitLenSymbols>, 4> parts{};
  std::size_t k = 0;
  for (; k + 4 <= count; k += 4)
    for (std::size_t p = 0; p < 4; ++p) ++parts[p][symbolOf[tokens[k + p]]];
  for (; k < count; ++k) ++parts[0][symbolOf[tokens[k]]];
  std::vector<std::uint32_t> freq(kLitLenSymbols, 0);
  for (const auto& part : parts)
    for (std::size_t s = 0; s < freq.size(); ++s) freq[s] += part[s];
  return freq;
}

void WriteBlock(TBitWriter& bits, const std::uint8_t* data, std::size_t begin, std::size_t end, bool last,
                bool partBegins, std::vector<std::uint16_t>& tokens) {
  tokens.resize(end - begin);
  const std::size_t count = Tokenise(data, begin, end, tokens.data(), partBegins);
  std::vector<std::uint32_t> freq = SymbolCounts(tokens.data(), count);
  freq[256] = 1;
  const std::vector<std::uint8_t> litLengths = CodeLengths(freq, 15);
  const std::vector<std::uint16_t> litCodes = Codes(litLengths);
  // Distance 1 only; two codes of one bit keep the code complete.

  // The code lengths, sent as themselves (0..15) with their own Huffman code.
  std::vector<std::uint32_t> lengthFreq(19, 0);
  for (const std::uint8_t l : litLengths) ++lengthFreq[l];
  lengthFreq[1] += 2;
  const std::vector<std::uint8_t> clLengths = CodeLengths(lengthFreq, 7);
  const std::vector<std::uint16_t> clCodes = Codes(clLengths);
  static constexpr int kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};

  bits.Reserve(400 + count * 3);  // header, and at most 21 bits a token
  bits.Put(last ? 1 : 0, 1);
  bits.Put(2, 2);                    // dynamic Huffman codes
  bits.Put(kLitLenSymbols - 257, 5);  // HLIT
  bits.Put(2 - 1, 5);                 // HDIST
  bits.Put(19 - 4, 4);                // HCLEN
  for (const int s : kOrder) bits.Put(clLengths[static_cast<std::size_t>(s)], 3);
  for (const std::uint8_t l : litLengths) bits.Put(clCodes[l], clLengths[l]);
  for (int d = 0; d < 2; ++d) bits.Put(clCodes[1], clLengths[1]);

  // Every token's bits in one go: the code, a match's extra bits and its distance code 0 (one byte back).
  const auto& lengthCodes = LengthCodes();
  std::array<std::uint32_t, 256 + kMaxMatch + 1> sent{};
  std::array<std::uint8_t, 256 + kMaxMatch + 1> sentBits{};
  for (int t = 0; t < 256; ++t) sent[static_cast<std::size_t>(t)] = litCodes[static_cast<std::size_t>(t)],
                                sentBits[static_cast<std::size_t>(t)] = litLengths[static_cast<std::size_t>(t)];
  for (int run = 3; run <= kMaxMatch; ++run) {
    const TLengthCode& lc = lengthCodes[static_cast<std::size_t>(run)];
    const int codeBits = litLengths[lc.Symbol];
    sent[static_cast<std::size_t>(256 + run)] = litCodes[lc.Symbol] | std::uint32_t{lc.Extra} << codeBits;
    sentBits[static_cast<std::size_t>(256 + run)] = static_cast<std::uint8_t>(codeBits + lc.ExtraBits + 1);
  }
  bits.PutAll(tokens.data(), count, sent.data(), sentBits.data());
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
  // One byte ahead of the rows: the last of the block before, which a run may repeat.
  std::unique_ptr<std::uint8_t[]> block(new std::uint8_t[1 + rowsPerBlock * rows.Stride]);
  for (std::size_t row = begin; row < end; row += rowsPerBlock) {
    const std::size_t count = std::min(rowsPerBlock, end - row);
    for (std::size_t k = 0; k < count; ++k) rows.Fill(row + k, block.get() + 1 + k * rows.Stride);
    const std::size_t bytes = count * rows.Stride;
    adler = static_cast<std::uint32_t>(adler32(adler, block.get() + 1, static_cast<uInt>(bytes)));
    WriteBlock(bits, block.get(), 1, 1 + bytes, last && row + count == end, row == begin, tokens);
    block[0] = block[bytes];
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
