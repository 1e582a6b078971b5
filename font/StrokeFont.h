// SPDX-License-Identifier: MIT
#pragma once
// The stroke font of the texts: which Hershey glyph draws each byte of a
// plot text, read as Windows-1251 (the code page of the users' boards).
// Simplex Roman draws printable ASCII; the Cyrillic font draws А-я, and Ё and
// ё are its Е and е with a diaeresis, which it lacks. Every other byte (the
// controls, DEL, 0x80-0xBF but Ё and ё) has no glyph: it is drawn as an open
// box, so that a character the font cannot draw is seen, not lost.

#include <cstdint>

#include "font/HersheyGlyphs.h"

namespace quillon::font {

// The font's cell in glyph units: from the capital line to the lowest
// descender. A character's cell on the board is this band scaled to the
// text's character height.
constexpr int CellTop = -12;
constexpr int CellBottom = 16;

// The glyph of Byte; nullptr when the font has none (draw Placeholder()).
const TGlyph* GlyphOf(std::uint8_t Byte);
// The open box drawn for a byte without a glyph.
const TGlyph& Placeholder();

}  // namespace quillon::font
