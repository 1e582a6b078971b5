// SPDX-License-Identifier: MIT
#include "preview/TextEncoding.h"

#include <cstdint>

#include "text/CodePage.h"

namespace quillon::preview {

namespace {

constexpr char32_t Replacement = 0xFFFD;

char32_t CodePoint(unsigned char Byte) {
  if (Byte < 0x20) return Byte == '\t' || Byte == '\n' || Byte == '\r' ? Byte : Replacement;
  // The one byte the code page leaves undefined is no character here.
  if (Byte == 0x98) return Replacement;
  return Cp1251Char(Byte);
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
