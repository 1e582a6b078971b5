#pragma once
// Pin descriptions written under DOS are in code page 866; the reader and its
// square word expect Windows-1251. The window's "OEM" button and the command
// line's --oem convert with this table.

#include <string>
#include <string_view>

namespace quillon {

// Text converted byte for byte from code page 866 to Windows-1251: bytes
// 0x00-0x7F stay as they are; a character that Windows-1251 lacks (the box
// drawing and shading characters, the bullet operator, the square root, the
// black square) becomes "?".
std::string OemToAnsi(std::string_view Text);

}  // namespace quillon
