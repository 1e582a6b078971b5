// SPDX-License-Identifier: MIT
#pragma once
// Tags and fixed values of the plot file format.

#include <cstdint>

namespace quillon {

constexpr std::uint16_t PlotSignature = 0x804E;
// What the reader tells the user when the first word is not PlotSignature.
inline constexpr const char* BadSignatureText = "Неправильная сигнатура файла!";

// Record tags of the body.
constexpr std::uint16_t recLayerSelect = 0x80A9;
constexpr std::uint16_t recLine = 0x80A8;
constexpr std::uint16_t recRectangle = 0x80A7;
constexpr std::uint16_t recFilledRectangle = 0x80A6;
constexpr std::uint16_t recArcByPoints = 0x807A;
constexpr std::uint16_t recArcByAngles = 0x80A4;
constexpr std::uint16_t recArcByAnglesAlt = 0x80A5;  // read exactly as 0x80A4
constexpr std::uint16_t recText = 0x80A2;
constexpr std::uint16_t recFlash = 0x8095;
constexpr std::uint16_t recComplexPolygon = 0x80A3;

// Piece tags inside a complex polygon.
constexpr std::uint16_t polyNextOutline = 0x807E;
constexpr std::uint16_t polyCircle = 0x807F;
constexpr std::uint16_t polyEnd = 0x8080;

// Bytes of a layer header's name field.
constexpr int LayerNameBytes = 6;

// Texts of the versions the header's version code names.
const char* VersionText(std::uint16_t Code);

}  // namespace quillon
