// SPDX-License-Identifier: MIT
#pragma once
// Points, boxes and item references of the board preview. Everything here is
// in millimetres with the board's Y axis pointing up; each front end flips Y
// when it draws.

#include <algorithm>
#include <cstdint>
#include <limits>

#include "font/PointMm.h"

namespace quillon::preview {

using font::TPointMm;

// An axis-parallel box; a default box is empty and grows with Add.
struct TBoxMm {
  double Left = std::numeric_limits<double>::infinity();
  double Bottom = std::numeric_limits<double>::infinity();
  double Right = -std::numeric_limits<double>::infinity();
  double Top = -std::numeric_limits<double>::infinity();

  bool Empty() const { return !(Left <= Right && Bottom <= Top); }
  double Width() const { return Empty() ? 0 : Right - Left; }
  double Height() const { return Empty() ? 0 : Top - Bottom; }
  void Add(TPointMm P, double Margin = 0) {
    Left = std::min(Left, P.X - Margin);
    Right = std::max(Right, P.X + Margin);
    Bottom = std::min(Bottom, P.Y - Margin);
    Top = std::max(Top, P.Y + Margin);
  }
  void AddBox(const TBoxMm& B) {
    if (B.Empty()) return;
    Left = std::min(Left, B.Left);
    Right = std::max(Right, B.Right);
    Bottom = std::min(Bottom, B.Bottom);
    Top = std::max(Top, B.Top);
  }
  bool Intersects(const TBoxMm& B) const {
    return !Empty() && !B.Empty() && Left <= B.Right && B.Left <= Right && Bottom <= B.Top &&
           B.Bottom <= Top;
  }
  bool Contains(TPointMm P) const {
    return Left <= P.X && P.X <= Right && Bottom <= P.Y && P.Y <= Top;
  }
};

// The five item lists of a layer; Lines are told apart by their Kind.
enum class TItemKind : std::uint8_t {
  Line,
  Rectangle,
  FilledRectangle,
  Arc,
  Text,
  Flash,
  Polygon,
};

// Where a drawn item comes from: its layer index and its index in the list
// of its kind (Lines for the three line kinds).
struct TItemRef {
  std::int32_t Layer = 0;
  TItemKind Kind = TItemKind::Line;
  std::int32_t Index = 0;
  bool operator==(const TItemRef&) const = default;
};

// The word an item kind is called by in ids and descriptions.
const char* ItemKindId(TItemKind Kind);    // "line", "rect", "fillrect", "arc", ...
const char* ItemKindName(TItemKind Kind);  // "Line", "Rectangle", "Filled rectangle", ...

}  // namespace quillon::preview
