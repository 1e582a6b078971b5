#include "pins/CodePage.h"

#include <array>

namespace quillon {

namespace {

constexpr unsigned char Unmapped = '?';

// Windows-1251 byte of every code page 866 byte from 0x80 up.
constexpr std::array<unsigned char, 128> MakeOemTable() {
  std::array<unsigned char, 128> T{};
  // 0x80-0xAF: capital A to YA, then small a to pe; Windows-1251 has the
  // whole alphabet in one run from 0xC0.
  for (int I = 0; I < 48; ++I) T[I] = static_cast<unsigned char>(0xC0 + I);
  // 0xB0-0xDF: shading and box drawing.
  for (int I = 0x30; I < 0x60; ++I) T[I] = Unmapped;
  // 0xE0-0xEF: small er to ya.
  for (int I = 0; I < 16; ++I) T[0x60 + I] = static_cast<unsigned char>(0xF0 + I);
  // 0xF0-0xFF: IO and io, the Ukrainian and Belarusian letters, and signs.
  constexpr unsigned char Tail[16] = {
      0xA8,      // IO
      0xB8,      // io
      0xAA,      // Ukrainian IE
      0xBA,      // Ukrainian ie
      0xAF,      // YI
      0xBF,      // yi
      0xA1,      // short U
      0xA2,      // short u
      0xB0,      // degree
      Unmapped,  // bullet operator
      0xB7,      // middle dot
      Unmapped,  // square root
      0xB9,      // numero
      0xA4,      // currency sign
      Unmapped,  // black square
      0xA0,      // no-break space
  };
  for (int I = 0; I < 16; ++I) T[0x70 + I] = Tail[I];
  return T;
}

constexpr std::array<unsigned char, 128> OemTable = MakeOemTable();

}  // namespace

std::string OemToAnsi(std::string_view Text) {
  std::string Out(Text);
  for (char& C : Out) {
    const auto Byte = static_cast<unsigned char>(C);
    if (Byte >= 0x80) C = static_cast<char>(OemTable[Byte - 0x80]);
  }
  return Out;
}

}  // namespace quillon
