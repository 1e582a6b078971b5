// SPDX-License-Identifier: MIT
#include "font/HersheyGlyphs.h"

#include <algorithm>

namespace quillon::font {

void TGlyph::AddStroke(const std::vector<TGlyphPoint>& Stroke) {
  if (Stroke.empty()) return;
  for (const TGlyphPoint& P : Stroke) {
    if (Points.empty()) {
      MinX = MaxX = P.X;
      MinY = MaxY = P.Y;
    }
    MinX = std::min(MinX, P.X);
    MaxX = std::max(MaxX, P.X);
    MinY = std::min(MinY, P.Y);
    MaxY = std::max(MaxY, P.Y);
    Points.push_back(P);
  }
  StrokeEnds.push_back(static_cast<std::uint16_t>(Points.size()));
}

namespace {

// Reads the record's characters, skipping line ends.
class TJhfCursor {
 public:
  explicit TJhfCursor(std::string_view Text) : Text(Text) {}
  bool AtEnd() {
    SkipLineEnds();
    return At >= Text.size();
  }
  bool Next(char& C) {
    SkipLineEnds();
    if (At >= Text.size()) return false;
    C = Text[At++];
    return true;
  }
  bool Number(std::size_t Digits, int& Value) {
    Value = 0;
    bool Any = false;
    for (std::size_t I = 0; I < Digits; ++I) {
      char C;
      if (!Next(C)) return false;
      if (C == ' ' && !Any) continue;
      if (C < '0' || C > '9') return false;
      Value = Value * 10 + (C - '0');
      Any = true;
    }
    return Any;
  }

 private:
  void SkipLineEnds() {
    while (At < Text.size() && (Text[At] == '\n' || Text[At] == '\r')) ++At;
  }
  std::string_view Text;
  std::size_t At = 0;
};

bool ReadGlyph(TJhfCursor& In, TGlyph& Glyph) {
  // The glyph number is not needed (some files put "12345" for every
  // glyph): only the count of pairs matters.
  int Pairs = 0;
  for (int I = 0; I < 5; ++I) {
    char C;
    if (!In.Next(C)) return false;
  }
  if (!In.Number(3, Pairs) || Pairs < 1) return false;
  std::vector<TGlyphPoint> Stroke;
  for (int I = 0; I < Pairs; ++I) {
    char A, B;
    if (!In.Next(A) || !In.Next(B)) return false;
    if (I == 0) continue;  // the left and right bearing
    if (A == ' ' && B == 'R') {
      Glyph.AddStroke(Stroke);
      Stroke.clear();
      continue;
    }
    if (A < ' ' || B < ' ' || A > '~' || B > '~') return false;
    Stroke.push_back({static_cast<float>(A - 'R'), static_cast<float>(B - 'R')});
  }
  Glyph.AddStroke(Stroke);
  return true;
}

}  // namespace

std::vector<TGlyph> ParseJhf(std::string_view Text) {
  std::vector<TGlyph> Glyphs;
  TJhfCursor In(Text);
  while (!In.AtEnd()) {
    TGlyph Glyph;
    if (!ReadGlyph(In, Glyph)) break;
    Glyphs.push_back(std::move(Glyph));
  }
  return Glyphs;
}

}  // namespace quillon::font
