// SPDX-License-Identifier: MIT
#pragma once
// The Gerber constructs the layer writer uses, one helper each, so that a
// writer's body reads like the file it produces. Points are given in database
// units and printed as "X<digits>Y<digits>" of their millimetre values.

#include <cstdint>
#include <string>
#include <string_view>

#include "script/gerber/GerberCoord.h"
#include "script/gerber/GerberCoordTexts.h"
#include "text/OneLine.h"
#include "text/TextLines.h"

namespace quillon {

// Outside text inside a legacy "G04" comment or "%LN" name: a "*" or "%"
// there would end the command early and the rest would be read as commands
// ("%LN*IPNEG*%" inverts the layer), so each becomes "_"; a line break
// becomes "?" as everywhere (text/OneLine.h).
struct TGerberText {
  std::string_view Text;
};
inline LineBuilder& operator<<(LineBuilder& L, const TGerberText& T) {
  for (const char C : T.Text) L << (C == '*' || C == '%' ? '_' : BreaksLine(C) ? '?' : C);
  return L;
}
inline LineBuilder& operator<<(LineBuilder&& L, const TGerberText& T) { return L << T; }

class TGerberSyntax {
 public:
  TGerberSyntax(TTextLines& Out, const TGerberCoord& Coord, double Scale,
                TGerberCoordTexts& Texts)
      : Out(Out), Coord(Coord), Scale(Scale), Texts(Texts) {
    Texts.Use(Coord, Scale);
  }

  // "G54D10*"
  void SelectAperture(std::int32_t DCode) { LineBuilder(Out) << "G54D" << DCode << '*'; }
  // "G00X..Y..D02*": move without drawing.
  void Move(std::int32_t X, std::int32_t Y) { PointLine("G00", X, Y, "D02*"); }
  // "G01X..Y..D01*": straight draw.
  void Draw(std::int32_t X, std::int32_t Y) { PointLine("G01", X, Y, "D01*"); }
  // "G01X..Y..D02*": move in linear mode, the start of an arc.
  void LinearMove(std::int32_t X, std::int32_t Y) { PointLine("G01", X, Y, "D02*"); }
  // "G03X..Y..I..J..D01*": counter-clockwise arc to (X, Y); I and J are the
  // centre's offsets from the start point, already in millimetres.
  void ArcCcw(std::int32_t X, std::int32_t Y, double I, double J) {
    const double Values[] = {X * Scale, Y * Scale, I, J};
    NumberLine("G03", "XYIJ", Values, 4, "D01*");
  }
  // "X..Y..D03*"
  void Flash(std::int32_t X, std::int32_t Y) { PointLine("", X, Y, "D03*"); }

  void BeginRegion() { Out.Add("G36*"); }
  void EndRegion() { Out.Add("G37*"); }
  void DarkPolarity() { Out.Add("%LPD*%"); }
  void ClearPolarity() { Out.Add("%LPC*%"); }
  // Multi-quadrant arcs: the arcs and circles drawn here may exceed 90 degrees.
  void MultiQuadrant() { Out.Add("G75*"); }
  void Linear() { Out.Add("G01*"); }

  // Offset of a centre from a start coordinate in millimetres: the two are
  // scaled each on its own, then subtracted (the last digit can differ from
  // scaling the difference).
  double Offset(std::int32_t Center, std::int32_t Start) const {
    return Center * Scale - Start * Scale;
  }

 private:
  // Code, then X and Y, then Tail: a big board makes millions of these lines.
  void PointLine(const char* Code, std::int32_t X, std::int32_t Y, const char* Tail) {
    LineBuilder Line(Out);
    Line << Code;
    Point(Line, 'X', X);
    Point(Line, 'Y', Y);
    Line << Tail;
  }
  void Point(LineBuilder& Line, char Letter, std::int32_t Value) {
    Line << Letter;
    if (!Line.TryWrite(TGerberCoord::MaxFastChars, [&](char* At) { return Texts.Write(At, Value); }))
      Line << Coord.FormatCoord(Value * Scale);
  }

  // Code, then each letter followed by its coordinate, then Tail.
  void NumberLine(const char* Code, const char* Letters, const double* Values, int Count,
                  const char* Tail) {
    LineBuilder Line(Out);
    Line << Code;
    for (int K = 0; K < Count; ++K) {
      Line << Letters[K];
      const double Value = Values[K];
      if (!Line.TryWrite(TGerberCoord::MaxFastChars,
                         [&](char* At) { return Coord.WriteFast(At, Value); }))
        Line << Coord.FormatCoord(Value);
    }
    Line << Tail;
  }

  TTextLines& Out;
  const TGerberCoord& Coord;
  double Scale;
  TGerberCoordTexts& Texts;
};

}  // namespace quillon
