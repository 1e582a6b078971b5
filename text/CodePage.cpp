// SPDX-License-Identifier: MIT
#include "text/CodePage.h"

#include <array>
#include <unordered_map>

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

// Characters of the Windows-1251 bytes 0x80..0xFF.
constexpr std::array<char16_t, 128> Cp1251HighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

const std::unordered_map<char16_t, char>& Cp1251ByteOfChar() {
  static const std::unordered_map<char16_t, char> Map = [] {
    std::unordered_map<char16_t, char> M;
    for (std::size_t I = 0; I < Cp1251HighHalf.size(); ++I)
      M.emplace(Cp1251HighHalf[I], static_cast<char>(0x80 + I));
    return M;
  }();
  return Map;
}

}  // namespace

std::string OemToAnsi(std::string_view Text) {
  std::string Out(Text);
  for (char& C : Out) {
    const auto Byte = static_cast<unsigned char>(C);
    if (Byte >= 0x80) C = static_cast<char>(OemTable[Byte - 0x80]);
  }
  return Out;
}

char16_t Cp1251Char(unsigned char Byte) {
  return Byte < 0x80 ? char16_t{Byte} : Cp1251HighHalf[Byte - 0x80];
}

char Cp1251Byte(char16_t Char) {
  if (Char < 0x80) return static_cast<char>(Char);
  const auto& Map = Cp1251ByteOfChar();
  const auto It = Map.find(Char);
  return It == Map.end() ? '?' : It->second;
}

}  // namespace quillon
