#pragma once
// The Gerber constructs the layer writer uses, one helper each, so that a
// writer's body reads like the file it produces. Points are given in database
// units and printed as "X<digits>Y<digits>" of their millimetre values.

#include <cstdint>
#include <string>

#include "script/GerberCoord.h"
#include "script/TextLines.h"

namespace quillon {

class TGerberSyntax {
 public:
  TGerberSyntax(TTextLines& Out, const TGerberCoord& Coord, double Scale)
      : Out(Out), Coord(Coord), Scale(Scale) {}

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
    std::string& S = Out.Open();
    S += "G03";
    AppendPoint(S, X, Y);
    S += 'I';
    Coord.AppendCoord(S, I);
    S += 'J';
    Coord.AppendCoord(S, J);
    S += "D01*";
    Out.Close();
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

  // Offset of a centre from a start coordinate in millimetres, each scaled on
  // its own before the difference, as every format of this system does.
  double Offset(std::int32_t Center, std::int32_t Start) const {
    return Center * Scale - Start * Scale;
  }

 private:
  void AppendPoint(std::string& S, std::int32_t X, std::int32_t Y) const {
    S += 'X';
    Coord.AppendCoord(S, X * Scale);
    S += 'Y';
    Coord.AppendCoord(S, Y * Scale);
  }
  void PointLine(const char* Code, std::int32_t X, std::int32_t Y, const char* Tail) {
    std::string& S = Out.Open();
    S += Code;
    AppendPoint(S, X, Y);
    S += Tail;
    Out.Close();
  }

  TTextLines& Out;
  const TGerberCoord& Coord;
  double Scale;
};

}  // namespace quillon
