// SPDX-License-Identifier: MIT
#pragma once
// Names and texts of a plot file are 8-bit characters of the system's
// Windows-1251 code page (its pin descriptions spell "square" in it). The
// preview shows them as UTF-8.

#include <string>
#include <string_view>

namespace quillon::preview {

// Appends Bytes, read as Windows-1251, as UTF-8. Control characters other
// than tab, line feed and carriage return, which XML cannot carry, and the
// one byte that code page leaves undefined become U+FFFD.
void AppendUtf8FromCp1251(std::string& Out, std::string_view Bytes);
std::string Utf8FromCp1251(std::string_view Bytes);

// Appends Bytes (Windows-1251) as XML character data that is also safe inside
// a double-quoted attribute: & < > " are escaped, and so are tab, line feed
// and carriage return, which an attribute would otherwise turn into blanks.
void AppendXmlText(std::string& Out, std::string_view Bytes);

}  // namespace quillon::preview
