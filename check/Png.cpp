// SPDX-License-Identifier: MIT
#include "check/Png.h"

#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace quillon::check {

namespace {

constexpr unsigned char Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Pictures larger than this many pixels are not believed.
constexpr std::uint64_t MaxPixels = std::uint64_t{1} << 30;

std::uint32_t Be32(const std::string& S, std::size_t At) {
  const auto* P = reinterpret_cast<const unsigned char*>(S.data() + At);
  return std::uint32_t{P[0]} << 24 | std::uint32_t{P[1]} << 16 | std::uint32_t{P[2]} << 8 | P[3];
}

void PutBe32(std::string& S, std::uint32_t V) {
  const char B[4] = {static_cast<char>(V >> 24), static_cast<char>(V >> 16),
                     static_cast<char>(V >> 8), static_cast<char>(V)};
  S.append(B, 4);
}

struct THeader {
  std::uint32_t Width = 0, Height = 0;
  int Channels = 0;
};

std::string ReadHeader(const std::string& Chunk, THeader& H) {
  if (Chunk.size() != 13) return "a header of the wrong size";
  H.Width = Be32(Chunk, 0);
  H.Height = Be32(Chunk, 4);
  const int Depth = static_cast<unsigned char>(Chunk[8]);
  const int Colour = static_cast<unsigned char>(Chunk[9]);
  const int Interlace = static_cast<unsigned char>(Chunk[12]);
  if (Depth != 8) return "a sample depth other than 8 bits";
  if (Interlace != 0) return "an interlaced picture";
  switch (Colour) {
    case 0: H.Channels = 1; break;
    case 2: H.Channels = 3; break;
    case 4: H.Channels = 2; break;
    case 6: H.Channels = 4; break;
    default: return "a colour type other than grey or colour";
  }
  if (H.Width == 0 || H.Height == 0 ||
      std::uint64_t{H.Width} * H.Height > MaxPixels)
    return "a picture size that is not believable";
  return {};
}

std::uint8_t Paeth(int A, int B, int C) {
  const int P = A + B - C;
  const int Pa = std::abs(P - A), Pb = std::abs(P - B), Pc = std::abs(P - C);
  if (Pa <= Pb && Pa <= Pc) return static_cast<std::uint8_t>(A);
  return static_cast<std::uint8_t>(Pb <= Pc ? B : C);
}

bool Unfilter(std::uint8_t Filter, std::vector<std::uint8_t>& Row,
              const std::vector<std::uint8_t>& Prev, int Bpp) {
  const std::size_t N = Row.size();
  for (std::size_t X = 0; X < N; ++X) {
    const int A = X >= static_cast<std::size_t>(Bpp) ? Row[X - Bpp] : 0;
    const int B = Prev[X];
    const int C = X >= static_cast<std::size_t>(Bpp) ? Prev[X - Bpp] : 0;
    switch (Filter) {
      case 0: break;
      case 1: Row[X] = static_cast<std::uint8_t>(Row[X] + A); break;
      case 2: Row[X] = static_cast<std::uint8_t>(Row[X] + B); break;
      case 3: Row[X] = static_cast<std::uint8_t>(Row[X] + (A + B) / 2); break;
      case 4: Row[X] = static_cast<std::uint8_t>(Row[X] + Paeth(A, B, C)); break;
      default: return false;
    }
  }
  return true;
}

// Inflates Data row by row into Out's first samples.
std::string Inflate(const std::string& Data, const THeader& H, TRaster& Out) {
  z_stream Z{};
  if (inflateInit(&Z) != Z_OK) return "no memory to inflate";
  Z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(Data.data()));
  Z.avail_in = static_cast<uInt>(Data.size());
  const std::size_t Stride = std::size_t{H.Width} * H.Channels;
  std::vector<std::uint8_t> Row(Stride + 1), Prev(Stride, 0), Cur(Stride);
  std::string Error;
  for (std::uint32_t Y = 0; Y < H.Height && Error.empty(); ++Y) {
    Z.next_out = Row.data();
    Z.avail_out = static_cast<uInt>(Row.size());
    while (Z.avail_out > 0) {
      const int Rc = inflate(&Z, Z_SYNC_FLUSH);
      if (Rc == Z_STREAM_END && Z.avail_out > 0) {
        Error = "picture data ends early";
        break;
      }
      if (Rc != Z_OK && Rc != Z_STREAM_END) {
        Error = "damaged picture data";
        break;
      }
    }
    if (!Error.empty()) break;
    std::memcpy(Cur.data(), Row.data() + 1, Stride);
    if (!Unfilter(Row[0], Cur, Prev, H.Channels)) {
      Error = "an unknown row filter";
      break;
    }
    std::uint8_t* Line = &Out.Px[std::size_t{Y} * H.Width];
    for (std::uint32_t X = 0; X < H.Width; ++X) Line[X] = Cur[std::size_t{X} * H.Channels];
    Prev.swap(Cur);
  }
  inflateEnd(&Z);
  return Error;
}

void AddChunk(std::string& Png, const char* Type, const std::string& Data) {
  PutBe32(Png, static_cast<std::uint32_t>(Data.size()));
  const std::size_t TypeAt = Png.size();
  Png.append(Type, 4);
  Png += Data;
  const uLong Crc = crc32(0, reinterpret_cast<const Bytef*>(Png.data() + TypeAt),
                          static_cast<uInt>(Data.size() + 4));
  PutBe32(Png, static_cast<std::uint32_t>(Crc));
}

}  // namespace

std::string ReadPngCoverage(const std::string& Png, TRaster& Out) {
  if (Png.size() < 8 || std::memcmp(Png.data(), Signature, 8) != 0) return "not a PNG picture";
  THeader H;
  std::string Data;
  std::size_t At = 8;
  bool SawHeader = false;
  while (At + 12 <= Png.size()) {
    const std::uint32_t Length = Be32(Png, At);
    if (Length > Png.size() - At - 12) return "a chunk that runs past the end";
    const std::string Type = Png.substr(At + 4, 4);
    const std::string Chunk = Png.substr(At + 8, Length);
    At += 12 + std::size_t{Length};
    if (Type == "IHDR") {
      if (std::string Error = ReadHeader(Chunk, H); !Error.empty()) return Error;
      SawHeader = true;
    } else if (Type == "IDAT") {
      Data += Chunk;
    } else if (Type == "IEND") {
      break;
    }
  }
  if (!SawHeader) return "no picture header";
  Out = TRaster(static_cast<int>(H.Width), static_cast<int>(H.Height));
  return Inflate(Data, H, Out);
}

std::string EncodePng(int Width, int Height, const std::function<TRgb(int X, int Y)>& Pixel) {
  std::string Png(reinterpret_cast<const char*>(Signature), 8);
  std::string Header;
  PutBe32(Header, static_cast<std::uint32_t>(Width));
  PutBe32(Header, static_cast<std::uint32_t>(Height));
  Header += std::string{8, 2, 0, 0, 0};  // 8 bits, colour, deflate, no filter, not interlaced
  AddChunk(Png, "IHDR", Header);

  z_stream Z{};
  deflateInit(&Z, 6);
  std::string Compressed;
  std::vector<std::uint8_t> Row(std::size_t(Width) * 3 + 1);
  std::vector<std::uint8_t> Buffer(1 << 16);
  auto Drain = [&](int Flush) {
    do {
      Z.next_out = Buffer.data();
      Z.avail_out = static_cast<uInt>(Buffer.size());
      deflate(&Z, Flush);
      Compressed.append(reinterpret_cast<const char*>(Buffer.data()),
                        Buffer.size() - Z.avail_out);
    } while (Z.avail_out == 0);
  };
  for (int Y = 0; Y < Height; ++Y) {
    Row[0] = 0;
    for (int X = 0; X < Width; ++X) {
      const TRgb C = Pixel(X, Y);
      std::memcpy(&Row[1 + std::size_t(X) * 3], C.data(), 3);
    }
    Z.next_in = Row.data();
    Z.avail_in = static_cast<uInt>(Row.size());
    Drain(Z_NO_FLUSH);
  }
  Drain(Z_FINISH);
  deflateEnd(&Z);
  AddChunk(Png, "IDAT", Compressed);
  AddChunk(Png, "IEND", {});
  return Png;
}

}  // namespace quillon::check
