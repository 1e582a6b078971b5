// SPDX-License-Identifier: MIT
#pragma once
// The line syntax every Genesis body writer shares: layer names and layer
// selection, the point forms, symbol names and the view line. A writer's body
// then reads like the script it produces:
//   LineBuilder(Out) << "COM add_line,attributes=no," << StartXY(x, y) << ',' ...

#include <cstdint>
#include <string>
#include <string_view>

#include "script/LayerRoles.h"
#include "text/CoordText.h"
#include "text/TextLines.h"

namespace quillon::genesis {

// The name a script gives a layer: its Name with A to Z lower-cased and every
// other byte unchanged (Genesis layer names are lower case; the plot's 8-bit
// letters are not ours to case-fold), written as a ShellWord.
std::string LayerName(std::string_view Name);

// The context and type of a matrix layer of Role, as the matrix line writes
// them: "board,type=signal", ..., "misc,type=document" for Other.
std::string_view MatrixType(TLayerRole Role);

// Whether Name can name a job: 1 to 64 of a-z, 0-9, "_", "-", "+" and ".",
// not starting with "." (it also stands bare in csh lines).
bool IsJobName(std::string_view Name);
// A job name made from Text (a plot's base name): A-Z lower-cased, every other
// byte that a job name cannot hold an "_", cut to 64; "quillon" when nothing
// is left.
std::string JobNameOf(std::string_view Text);

// A value as it must stand in a csh command line so that the command
// receives exactly Value. Ordinary values (letters, digits, single blanks,
// 8-bit letters and . , - _ + / : = @ %) are written unchanged. A value with a csh
// metacharacter is wrapped in single quotes: written bare, a plot text such as
// "R*" would abort its command ("No match"), and one holding ";" or "`" would
// run whatever follows when the script is executed. Line breaks become
// blanks, since the script has one command per line.
struct TShellWord {
  std::string_view Value;
};
inline TShellWord ShellWord(std::string_view Value) { return {Value}; }
bool IsPlainShellWord(std::string_view Value);
LineBuilder& operator<<(LineBuilder& L, const TShellWord& Word);
inline LineBuilder& operator<<(LineBuilder&& L, const TShellWord& Word) { return L << Word; }
void AppendShellWord(std::string& Out, std::string_view Value);

// "COM display_layer,name=<Name>,display=yes,number=<Number>"
void DisplayLayer(TTextLines& Out, std::string_view Name, int Number);
// "COM work_layer,name=<Name>"
void WorkLayer(TTextLines& Out, std::string_view Name);
// Makes Name the layer that receives the next features (display number 1).
void SelectLayer(TTextLines& Out, std::string_view Name);
// "COM zoom_home" closes a layer's block when view commands are wanted.
void ZoomHome(TTextLines& Out, bool AddViewCommands);

// A coordinate pair in millimetres, written "x<S>=%4.2f,y<S>=%4.2f" with the
// key suffix S: "" for polygon, polyline and pad points, "s" start, "e" end,
// "c" centre.
struct TPoint {
  double X;
  double Y;
  const char* Suffix;
};
inline TPoint XY(double X, double Y) { return {X, Y, ""}; }
inline TPoint StartXY(double X, double Y) { return {X, Y, "s"}; }
inline TPoint EndXY(double X, double Y) { return {X, Y, "e"}; }
inline TPoint CenterXY(double X, double Y) { return {X, Y, "c"}; }

inline LineBuilder& operator<<(LineBuilder& L, const TPoint& P) {
  return L << 'x' << P.Suffix << '=' << F42Coord{P.X} << ",y" << P.Suffix << '=' << F42Coord{P.Y};
}
inline LineBuilder& operator<<(LineBuilder&& L, const TPoint& P) { return L << P; }

// A symbol name: its prefix followed by its size in whole micrometres
// ("%0.0f" of millimetres x 1000): "r250" is round 0.25 mm, "s1500" square
// 1.5 mm, "bfr1001000" the pad of a pin without shape and size 1 mm.
struct TSymbol {
  const char* Prefix;
  double SizeMm;
};
inline TSymbol RoundSymbol(double SizeMm) { return {"r", SizeMm}; }
// The pad symbol of a pin row's Shape (0 None, 1 Circle, 2 Square).
TSymbol PadSymbol(std::uint8_t Shape, double SizeMm);

inline LineBuilder& operator<<(LineBuilder& L, const TSymbol& S) {
  return L << S.Prefix << F00(S.SizeMm * 1000);
}
inline LineBuilder& operator<<(LineBuilder&& L, const TSymbol& S) { return L << S; }

}  // namespace quillon::genesis
