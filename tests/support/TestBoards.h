// SPDX-License-Identifier: MIT
#pragma once
// Boards built directly in the model, so that a test states its items.
// Every builder takes where the item goes first, then what it is (kind, pin
// or text), then its points, then its size; points are {X, Y} in database
// units:
//
//   TLayer& Top = AddLayer(Board, "COMP", 1);
//   AddLine(Top, kindLine, {100, 200}, {300, 200}, 10);
//   AddArc(Top, {0, 0}, {100, 0}, {0, 100}, 5);
//   AddFlash(Top, 1, {500, 500});
//   AddOutline(Top.Polygons.Add(), {{0, 0}, {100, 0}, {100, 100}, {0, 0}});
//
// A returned reference is valid until the next item of its list is added.

#include <cstdint>
#include <string>
#include <vector>

#include "model/Pcb.h"
#include "pins/Pins.h"

namespace quillon {
class TScriptingPcb;
}

namespace quillon::test {

struct BoardPoint {
  std::int32_t X = 0, Y = 0;
};

TLayer& AddLayer(TPcb& Board, const std::string& Name, std::uint8_t Number);
// Count empty layers named L0, L1, ... numbered 1, 2, ...
void AddLayers(TPcb& Board, int Count);

TPcbLine& AddLine(TPcbLines& Lines, std::uint16_t Kind, BoardPoint Start, BoardPoint End,
                  std::int32_t Width);
TPcbLine& AddLine(TLayer& Layer, std::uint16_t Kind, BoardPoint Start, BoardPoint End,
                  std::int32_t Width);
TPcbArc& AddArc(TPcbArcs& Arcs, BoardPoint Center, BoardPoint Start, BoardPoint End,
                std::int32_t Width);
TPcbArc& AddArc(TPolygonCircles& Circles, BoardPoint Center, BoardPoint Start, BoardPoint End,
                std::int32_t Width);
TPcbArc& AddArc(TLayer& Layer, BoardPoint Center, BoardPoint Start, BoardPoint End,
                std::int32_t Width);
TPcbFlash& AddFlash(TPcbFlashes& Flashes, std::int32_t PinNumber, BoardPoint At);
TPcbFlash& AddFlash(TLayer& Layer, std::int32_t PinNumber, BoardPoint At);
TPcbText& AddText(TPcbTexts& Texts, const std::string& Text, BoardPoint At, std::int32_t Size,
                  std::uint8_t Justification, std::int32_t Rotation = 0, std::uint8_t Mirror = 0);
TPcbText& AddText(TLayer& Layer, const std::string& Text, BoardPoint At, std::int32_t Size,
                  std::uint8_t Justification, std::int32_t Rotation = 0, std::uint8_t Mirror = 0);

// An outline through Points, stored as the plot reader stores it: one
// segment from each point to the next, width 0.
TPoligonOutLine& AddOutline(TPcbComplexPolygon& Polygon, const std::vector<BoardPoint>& Points);
// A void circle as the reader stores it: start and end at Center + (Radius, 0).
TPcbArc& AddVoidCircle(TPcbComplexPolygon& Polygon, BoardPoint Center, std::int32_t Radius);

// A pin row; hole and aperture in the description's units.
TPinRecord PinRow(std::int32_t PinNumber, double Hole, double Aperture, std::uint8_t Shape,
                  std::int32_t HoleDCode = 0, std::int32_t PadDCode = 0);
void AddPin(TPins& Pins, std::int32_t PinNumber, double Hole, double Aperture, std::uint8_t Shape);

// 100 database units are 1 mm: written "1000000" in a fab file.
constexpr double MillimetreScale = 0.01;

// The board most conversion tests use, in database units with Scale 0.01 (mm):
//  layer 0 "COMP" (1): two 0.1 mm segments, a 0.2 mm rectangle, a filled
//    rectangle, a 0.05 mm arc, a polygon with a hole and a circle;
//  layer 1 "PIN" (2): the flashes of pin 1 (described) and pin 9 (not);
//  pin row 0: hole 0.8, square pad 1.6 (millimetres).
// Apertures after BuildApertures: D10 C0.1, D11 C0.2, D12 C0.01, D13 C0.05,
// D14 C0.8 (hole), D15 R1.6 (pad).
void BuildSampleBoard(TScriptingPcb& Pcb);

// Five layers COMP, SOLDER, MSKGTP, MSKGBT, PIN numbered 1 to 5, in the order
// the window preselects them for the pad, mask and drill roles.
void AddRoleLayers(TScriptingPcb& Board);

// The role layers; pins 1 (round pad), 2 (square pad) and 3 (pad without
// hole); every kind of item on the top copper, arcs on the bottom, a polygon
// on the top mask and four flashes (pins 2, 3, 4, 2) on the drill layer.
void BuildRichBoard(TScriptingPcb& Board);

}  // namespace quillon::test
