// SPDX-License-Identifier: MIT
#pragma once
// The CAM350 macro line syntax shared by every CAM350 writer: one command per
// line, a command's arguments after one blank, separated by "," without
// blanks; a point is "%4.2f,%4.2f" of the scaled coordinates; a string is
// written between double quotes as it is, since the macro language knows no
// escapes.

#include <cstdint>
#include <string_view>

#include "pins/ApertureTable.h"
#include "text/TextLines.h"

namespace quillon::cam350 {

// A board point in macro units.
struct Point {
  double X = 0;
  double Y = 0;
};
// Scales a point in database units; the product is taken in double, so no
// coordinate can overflow on the way.
inline Point Scaled(std::int32_t X, std::int32_t Y, double Scale) { return {X * Scale, Y * Scale}; }

// "x,y" as "%4.2f,%4.2f".
LineBuilder& operator<<(LineBuilder& Line, Point P);

// A string argument: the text between two double quotes, unchanged except
// for line breaks (text/OneLine.h): a macro command is one line.
struct Quoted {
  std::string_view Text;
};
LineBuilder& operator<<(LineBuilder& Line, Quoted Q);

// "axy@ x,y": one point of the open drawing step.
void WriteAxy(TTextLines& Out, Point P);

// "setlayer@ i": the layer that receives the following items.
void WriteSetLayer(TTextLines& Out, int LayerIndex);

// "edit_aperture@ D,shape,size,size,0,\"\"" then "update_dcodebar@".
void WriteApertureDefinition(TTextLines& Out, const TApertureTableItem& Row);

// "view_all@" closing a layer's block, when the user wants view commands.
void WriteViewAll(TTextLines& Out, bool AddViewCommands);

// The round reusable aperture of Size: defined in the macro the first time a
// writer of this conversion uses it. Returns its D-code.
std::int32_t UseRoundAperture(TApertureTable& Apertures, TTextLines& Out, double Size);

// UseRoundAperture plus "setdcode@ D" only when D differs from LastDCode,
// which it then updates: consecutive items of one width select it once.
void SelectRoundAperture(TApertureTable& Apertures, TTextLines& Out, double Size,
                         std::int32_t& LastDCode);

}  // namespace quillon::cam350
