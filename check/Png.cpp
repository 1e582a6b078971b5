// SPDX-License-Identifier: MIT
#include "check/Png.h"

#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <string_view>
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
    case 0:
      H.Channels = 1;
      break;
    case 2:
      H.Channels = 3;
      break;
    case 4:
      H.Channels = 2;
      break;
    case 6:
      H.Channels = 4;
      break;
    default:
      return "a colour type other than grey or colour";
  }
  if (H.Width == 0 || H.Height == 0 || std::uint64_t{H.Width} * H.Height > MaxPixels)
    return "a picture size that is not believable";
  return {};
}

std::uint8_t Paeth(int A, int B, int C) {
  const int P = A + B - C;
  const int Pa = std::abs(P - A), Pb = std::abs(P - B), Pc = std::abs(P - C);
  if (Pa <= Pb && Pa <= Pc) return static_cast<std::uint8_t>(A);
  return static_cast<std::uint8_t>(Pb <= Pc ? B : C);
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

TPngRows::~TPngRows() {
  if (Stream) {
    inflateEnd(static_cast<z_stream*>(Stream));
    delete static_cast<z_stream*>(Stream);
  }
}

std::string TPngRows::Open(const std::string& Png) {
  if (Png.size() < 8 || std::memcmp(Png.data(), Signature, 8) != 0) return "not a PNG picture";
  THeader Header;
  std::size_t At = 8;
  bool SawHeader = false;
  while (At + 12 <= Png.size()) {
    const std::uint32_t Length = Be32(Png, At);
    if (Length > Png.size() - At - 12) return "a chunk that runs past the end";
    const std::string_view Type(Png.data() + At + 4, 4);
    if (Type == "IHDR") {
      if (std::string Error = ReadHeader(Png.substr(At + 8, Length), Header); !Error.empty())
        return Error;
      SawHeader = true;
    } else if (Type == "IDAT") {
      Data.append(Png, At + 8, Length);
    } else if (Type == "IEND") {
      break;
    }
    At += 12 + std::size_t{Length};
  }
  if (!SawHeader) return "no picture header";
  W = Header.Width;
  H = Header.Height;
  Channels = Header.Channels;
  auto* Z = new z_stream{};
  if (inflateInit(Z) != Z_OK) {
    delete Z;
    return "no memory to inflate";
  }
  Stream = Z;
  Z->next_in = reinterpret_cast<Bytef*>(Data.data());
  Z->avail_in = static_cast<uInt>(Data.size());
  Row.assign(std::size_t{W} * Channels + 1, 0);
  Prev.assign(W, 0);
  return {};
}

// Only the first sample of each pixel is unfiltered: a filter predicts a
// byte from the bytes of the same sample before it and above it, so the
// others are not needed.
std::string TPngRows::Next(std::uint8_t* Out) {
  auto* Z = static_cast<z_stream*>(Stream);
  if (!Z) return "no picture";
  Z->next_out = Row.data();
  Z->avail_out = static_cast<uInt>(Row.size());
  while (Z->avail_out > 0) {
    const int Rc = inflate(Z, Z_SYNC_FLUSH);
    if (Rc == Z_STREAM_END && Z->avail_out > 0) return "picture data ends early";
    if (Rc != Z_OK && Rc != Z_STREAM_END) return "damaged picture data";
  }
  const std::uint8_t* Raw = Row.data() + 1;
  const std::size_t C = static_cast<std::size_t>(Channels);
  const std::uint8_t* Up = Prev.data();
  switch (Row[0]) {
    case 0:
      for (std::uint32_t X = 0; X < W; ++X) Out[X] = Raw[X * C];
      break;
    case 1:
      for (std::uint32_t X = 0; X < W; ++X)
        Out[X] = static_cast<std::uint8_t>(Raw[X * C] + (X ? Out[X - 1] : 0));
      break;
    case 2:
      for (std::uint32_t X = 0; X < W; ++X) Out[X] = static_cast<std::uint8_t>(Raw[X * C] + Up[X]);
      break;
    case 3:
      for (std::uint32_t X = 0; X < W; ++X)
        Out[X] = static_cast<std::uint8_t>(Raw[X * C] + ((X ? Out[X - 1] : 0) + Up[X]) / 2);
      break;
    case 4:
      for (std::uint32_t X = 0; X < W; ++X)
        Out[X] = static_cast<std::uint8_t>(Raw[X * C] +
                                           Paeth(X ? Out[X - 1] : 0, Up[X], X ? Up[X - 1] : 0));
      break;
    default:
      return "an unknown row filter";
  }
  std::memcpy(Prev.data(), Out, W);
  return {};
}

std::string ReadPngCoverage(const std::string& Png, TRaster& Out) {
  TPngRows Rows;
  if (std::string Error = Rows.Open(Png); !Error.empty()) return Error;
  Out = TRaster(Rows.Width(), Rows.Height());
  for (int Y = 0; Y < Rows.Height(); ++Y)
    if (std::string Error = Rows.Next(&Out.Px[static_cast<std::size_t>(Y) * Out.Width]);
        !Error.empty())
      return Error;
  return {};
}

std::string EncodePng(int Width, int Height, const std::function<TRgb(int X, int Y)>& Pixel) {
  return EncodePngRows(Width, Height, [&](int Y, std::uint8_t* Rgb) {
    for (int X = 0; X < Width; ++X) {
      const TRgb C = Pixel(X, Y);
      std::memcpy(Rgb + std::size_t(X) * 3, C.data(), 3);
    }
  });
}

std::string EncodePngRows(int Width, int Height,
                          const std::function<void(int Y, std::uint8_t* Rgb)>& Row) {
  std::string Png(reinterpret_cast<const char*>(Signature), 8);
  std::string Header;
  PutBe32(Header, static_cast<std::uint32_t>(Width));
  PutBe32(Header, static_cast<std::uint32_t>(Height));
  Header += std::string{8, 2, 0, 0, 0};  // 8 bits, colour, deflate, no filter, not interlaced
  AddChunk(Png, "IHDR", Header);

  z_stream Z{};
  deflateInit(&Z, 6);
  std::string Compressed;
  std::vector<std::uint8_t> Line(std::size_t(Width) * 3 + 1);
  std::vector<std::uint8_t> Buffer(1 << 16);
  auto Drain = [&](int Flush) {
    do {
      Z.next_out = Buffer.data();
      Z.avail_out = static_cast<uInt>(Buffer.size());
      deflate(&Z, Flush);
      Compressed.append(reinterpret_cast<const char*>(Buffer.data()), Buffer.size() - Z.avail_out);
    } while (Z.avail_out == 0);
  };
  for (int Y = 0; Y < Height; ++Y) {
    Line[0] = 0;
    Row(Y, Line.data() + 1);
    Z.next_in = Line.data();
    Z.avail_in = static_cast<uInt>(Line.size());
    Drain(Z_NO_FLUSH);
  }
  Drain(Z_FINISH);
  deflateEnd(&Z);
  AddChunk(Png, "IDAT", Compressed);
  AddChunk(Png, "IEND", {});
  return Png;
}

}  // namespace quillon::check
