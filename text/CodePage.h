// SPDX-License-Identifier: MIT
#pragma once
// The two code pages of the system's texts. Names, texts, pin descriptions and
// outputs are 8-bit Windows-1251; pin descriptions written under DOS are in
// code page 866 and are converted (the window's "OEM" button, the command
// line's --oem). Our own tables rather than a platform's converters: those
// differ between systems, and the way back must give "?" for a character that
// has no byte.

#include <string>
#include <string_view>

namespace quillon {

// Text converted byte for byte from code page 866 to Windows-1251: bytes
// 0x00-0x7F stay as they are; a character that Windows-1251 lacks (the box
// drawing and shading characters, the bullet operator, the square root, the
// black square) becomes "?".
std::string OemToAnsi(std::string_view Text);

// The character of a Windows-1251 byte. Every byte has one: 0x98, which the
// code page leaves unassigned, keeps its C1 control U+0098, so that
// bytes -> characters -> bytes gives the same bytes.
char16_t Cp1251Char(unsigned char Byte);

// The Windows-1251 byte of a character, or "?" when the code page has none.
char Cp1251Byte(char16_t Char);

}  // namespace quillon
