// The texture container's engine: libdeflate, loaded at run time when present, for whole-buffer
// packing and unpacking; the zlib binding otherwise, or when the user asks for zlib's exact bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/streams.h"

namespace eit {

// The libdeflate level the container packs at: the fastest whose output is no larger than zlib level
// 1's on 24- and 32-bit textures (README has the measured table).
inline constexpr int kLibdeflateLevel = 1;

// What packs and unpacks the container, chosen per run: libdeflate where it is present, or zlib only
// (eitool-cli --zlib, the window's setting), whose packed bytes are exactly what zlib level 1 writes.
enum class TPackEngine { Fastest, Zlib };

// Whether libdeflate is loaded with every entry point it needs; it is tried once per process.
bool LibdeflateAvailable();
// Whether the container goes through libdeflate with this choice.
bool UsingLibdeflate(TPackEngine engine);
// What --version says: the libraries found and which one packs and unpacks.
std::string PackEngineDescription(TPackEngine engine);

// Decodes the whole zlib stream in into exactly outSize bytes at out. False when the stream is not
// exactly that long or not valid, or libdeflate is not in use: the caller then takes the zlib path,
// which gives the same result and errors as always.
bool UnpackWhole(TPackEngine engine, const std::uint8_t* in, std::size_t inSize, std::uint8_t* out,
                 std::size_t outSize);
// Appends the zlib stream of data to destination at kLibdeflateLevel. False when libdeflate is not in
// use (nothing written).
bool PackWhole(TPackEngine engine, const std::uint8_t* data, std::size_t size, TStream& destination);

}  // namespace eit
