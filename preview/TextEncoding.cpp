#include "preview/TextEncoding.h"

#include <cstdint>

namespace quillon::preview {

namespace {

constexpr char32_t Replacement = 0xFFFD;

// Windows-1251 from 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F.
constexpr char16_t Cp1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

char32_t CodePoint(unsigned char Byte) {
  if (Byte < 0x20) return Byte == '\t' || Byte == '\n' || Byte == '\r' ? Byte : Replacement;
  if (Byte < 0x80) return Byte;
  if (Byte < 0xC0) return Cp1251High[Byte - 0x80];
  return 0x0410 + (Byte - 0xC0);
}

void AppendUtf8(std::string& Out, char32_t C) {
  if (C < 0x80) {
    Out += static_cast<char>(C);
  } else if (C < 0x800) {
    Out += static_cast<char>(0xC0 | (C >> 6));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  } else {  // every character of the code page lies below U+10000
    Out += static_cast<char>(0xE0 | (C >> 12));
    Out += static_cast<char>(0x80 | ((C >> 6) & 0x3F));
    Out += static_cast<char>(0x80 | (C & 0x3F));
  }
}

}  // namespace

void AppendUtf8FromCp1251(std::string& Out, std::string_view Bytes) {
  for (char B : Bytes) AppendUtf8(Out, CodePoint(static_cast<unsigned char>(B)));
}

std::string Utf8FromCp1251(std::string_view Bytes) {
  std::string Out;
  Out.reserve(Bytes.size());
  AppendUtf8FromCp1251(Out, Bytes);
  return Out;
}

void AppendXmlText(std::string& Out, std::string_view Bytes) {
  for (char B : Bytes) {
    switch (B) {
      case '&':
        Out += "&amp;";
        break;
      case '<':
        Out += "&lt;";
        break;
      case '>':
        Out += "&gt;";
        break;
      case '"':
        Out += "&quot;";
        break;
      case '\t':
        Out += "&#9;";
        break;
      case '\n':
        Out += "&#10;";
        break;
      case '\r':
        Out += "&#13;";
        break;
      default:
        AppendUtf8(Out, CodePoint(static_cast<unsigned char>(B)));
    }
  }
}

}  // namespace quillon::preview
