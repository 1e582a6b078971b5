// SPDX-License-Identifier: MIT
#pragma once
// What a CAM350 macro or a Genesis script draws, read back command by command:
// per layer, the items in the order the file adds them, in millimetres. A
// negative item clears what lies below it (a void of a pouring, a negative
// surface), as the CAM tool would.

#include <cstdint>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "preview/PreviewGeometry.h"

namespace quillon::check::scripts {

using preview::TPointMm;

// A straight stroke of a round pen; a dot when A is B.
struct TDrawnLine {
  TPointMm A, B;
  double Width = 0;
};

// An arc of a round pen from Start to End about Center, counter-clockwise
// unless Clockwise; a full circle when Start is End.
struct TDrawnArc {
  TPointMm Center, Start, End;
  double Width = 0;
  bool Clockwise = false;
};

enum class TPadShape : std::uint8_t { Round, Square, Butterfly };

// A flashed pad: a round or square aperture, or a round butterfly (two
// opposite quarters of a disc).
struct TDrawnPad {
  TPointMm Center;
  TPadShape Shape = TPadShape::Round;
  double Size = 0;  // diameter or side
  bool Negative = false;  // a round void cut out of a pouring
};

// A filled contour (a pouring, a surface, a void); Negative clears.
struct TDrawnSurface {
  std::vector<TPointMm> Points;
  bool Negative = false;
};

// A string placed as the plot places it: anchor, justification 8 v + h (v: 3
// centred on, 4 starting at, 5 ending at the anchor; h: 1 anchor at the top,
// 2 at the foot, 3 at the middle), full text height, counter-clockwise
// rotation in degrees, mirror.
struct TDrawnText {
  std::string Text;
  TPointMm Anchor;
  double Size = 0;  // the text size the plot gives (the characters are 0.808 of it)
  double Rotation = 0;
  double Width = 0;  // the pen of the strokes
  std::uint8_t Justification = 34;
  std::uint8_t Mirror = 0;
};

// A Genesis string carries no pen: its strokes are compared drawn a tenth of
// the character height (0.808 of the text size) wide, on both sides.
inline double GenesisTextPen(double Size) { return 0.1 * Size * 0.808; }

using TDrawnItem = std::variant<TDrawnLine, TDrawnArc, TDrawnPad, TDrawnSurface, TDrawnText>;

struct TDrawnLayer {
  std::string Name;
  std::vector<TDrawnItem> Items;
};

// A line of the file that could not be read as the command it begins.
struct TReadProblem {
  std::int64_t Line = 0;  // from 1
  std::string Message;
};

struct TDrawnFile {
  std::map<int, TDrawnLayer> Layers;  // by layer index (0 for the first)
  std::vector<TReadProblem> Problems;
  bool Truncated = false;             // stopped at a limit of size or count
};

// Limits that keep a hostile file from exhausting the machine.
inline constexpr std::size_t MaxLineBytes = 1 << 20;
inline constexpr std::size_t MaxItems = 20'000'000;
inline constexpr std::size_t MaxProblems = 100;
inline constexpr std::size_t MaxPointsPerContour = 1'000'000;
inline constexpr double MaxCoordinateMm = 1e6;  // a kilometre: beyond is not a board
inline constexpr int MaxLayers = 256;

}  // namespace quillon::check::scripts
