// SPDX-License-Identifier: MIT
#pragma once
// The board's texts, the pin description and the outputs are 8-bit text in
// the Windows-1251 code page. The window shows them as Unicode and turns what
// the user typed back into those bytes. Our own table rather than the
// toolkit's codecs: those exist only when the toolkit was built with ICU, and
// the way back must give "?" for a character that has no byte.

#include <QString>
#include <string>
#include <string_view>

namespace quillon::app {

// Every byte has a character (0x98, unassigned, keeps its C1 control), so
// bytes -> text -> bytes gives the same bytes.
QString FromCp1251(std::string_view Bytes);

// Characters without a byte become "?" (a surrogate pair counts as one).
std::string ToCp1251(const QString& Text);

// Messages of the core: UTF-8 when they are valid UTF-8 (the reader's own
// texts, system errors, file names), otherwise Windows-1251 bytes.
QString FromCoreText(std::string_view Text);

}  // namespace quillon::app
