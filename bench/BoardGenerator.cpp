// SPDX-License-Identifier: MIT
#include "BoardGenerator.h"

#include "model/Pcb.h"
#include "pins/Pins.h"
#include "text/NumberFormat.h"

namespace quillon::bench {

namespace {

// A small deterministic generator: the board must not change between runs.
class TRandom {
 public:
  std::uint32_t Next() {
    State = State * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(State >> 33);
  }
  // A coordinate that a plot file can hold and that cannot be taken for a
  // polygon piece tag.
  std::int32_t Coord() { return static_cast<std::int32_t>(Next() % 30000); }
  std::int32_t Below(std::uint32_t N) { return static_cast<std::int32_t>(Next() % N); }

 private:
  std::uint64_t State = 0x5eed;
};

void AddLine(TLayer& Layer, TRandom& R, std::uint16_t Kind) {
  TPcbLine& L = Layer.Lines.Add();
  L.Kind = Kind;
  L.StartX = R.Coord();
  L.StartY = R.Coord();
  L.EndX = L.StartX + R.Below(2000);
  L.EndY = L.StartY + (Kind == kindLine ? 0 : R.Below(2000));
  L.Width = Kind == kindFilledRectangle ? 1 : 5 + R.Below(30) * 2;
  L.StyleWord = Kind == kindFilledRectangle ? 0x0100 : 0;
}

void AddArc(TLayer& Layer, TRandom& R) {
  TPcbArc& A = Layer.Arcs.Add();
  A.CenterX = R.Coord();
  A.CenterY = R.Coord();
  const std::int32_t Radius = 50 + R.Below(500);
  A.StartX = A.CenterX + Radius;
  A.StartY = A.CenterY;
  A.EndX = A.CenterX;
  A.EndY = A.CenterY + Radius;
  A.Width = 5 + R.Below(20) * 2;
}

void AddText(TLayer& Layer, TRandom& R) {
  static const char* const Words[] = {"U1", "R12", "C105", "GND", "VCC", "BOARD-REV-A"};
  TPcbText& T = Layer.Texts.Add();
  T.X = R.Coord();
  T.Y = R.Coord();
  T.Rotation = R.Below(4) * 90;
  T.Size = 40 + R.Below(200);
  T.Justification = static_cast<std::uint8_t>(8 * (3 + R.Below(3)) + 1 + R.Below(3));
  T.Text = Words[R.Below(6)];
}

void AddFlash(TLayer& Layer, TRandom& R) {
  TPcbFlash& F = Layer.Flashes.Add();
  F.PinNumber = 1 + R.Below(PinCount);
  F.Rotation = R.Below(4) * 90;
  F.X = R.Coord();
  F.Y = R.Coord();
}

// An outline through the points, back to the first one.
void AddOutline(TPcbComplexPolygon& P, std::int32_t X, std::int32_t Y, std::int32_t Size,
                bool Fine) {
  static const int Coarse[][2] = {{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}};
  static const int Detailed[][2] = {{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2},
                                    {1, 2}, {0, 2}, {0, 1}, {0, 0}};
  const int(*Points)[2] = Fine ? Detailed : Coarse;
  const int Count = Fine ? 9 : 5;
  TPoligonOutLine& O = P.OutLines.Add();
  for (int K = 0; K < Count; ++K)
    O.Lines.AddPoint(X + Points[K][0] * Size / 2, Y + Points[K][1] * Size / 2);
}

void AddPolygon(TLayer& Layer, TRandom& R) {
  TPcbComplexPolygon& P = Layer.Polygons.Add();
  const std::int32_t X = R.Coord() / 2, Y = R.Coord() / 2, Size = 400 + R.Below(1000);
  AddOutline(P, X, Y, Size, true);
  AddOutline(P, X + Size / 4, Y + Size / 4, Size / 4, false);  // a hole
  TPcbArc& C = P.Circles.Add();
  C.CenterX = X + Size * 3 / 4;
  C.CenterY = Y + Size * 3 / 4;
  C.StartX = C.EndX = C.CenterX + Size / 10;
  C.StartY = C.EndY = C.CenterY;
}

void PutWord(std::string& Out, std::uint16_t W) {
  Out += static_cast<char>(W & 0xFF);
  Out += static_cast<char>(W >> 8);
}
void PutCoord(std::string& Out, std::int32_t V) { PutWord(Out, static_cast<std::uint16_t>(V)); }

void PutLine(std::string& Out, const TPcbLine& L) {
  PutWord(Out, L.Kind);
  PutWord(Out, L.Kind == kindFilledRectangle
                   ? L.StyleWord
                   : static_cast<std::uint16_t>((L.Width << 8) | L.AttributeLow));
  for (std::int32_t V : {L.StartX, L.StartY, L.EndX, L.EndY}) PutCoord(Out, V);
}

void PutArc(std::string& Out, const TPcbArc& A) {
  PutWord(Out, 0x807A);
  PutWord(Out, static_cast<std::uint16_t>((A.Width << 8) | A.AttributeLow));
  for (std::int32_t V : {A.CenterX, A.CenterY, A.StartX, A.StartY, A.EndX, A.EndY})
    PutCoord(Out, V);
}

void PutText(std::string& Out, const TPcbText& T) {
  PutWord(Out, 0x80A2);
  PutWord(Out, 0);
  PutCoord(Out, T.X);
  PutCoord(Out, T.Y);
  const int Low = ((T.Rotation / 90) & 3) | (T.Mirror ? 4 : 0);
  PutWord(Out, static_cast<std::uint16_t>(Low | ((T.Size % 128) << 8)));
  PutWord(Out, static_cast<std::uint16_t>((T.Size / 128) | (T.Justification << 8)));
  Out += T.Text;
  Out += '\0';
  if (T.Text.size() % 2 == 0) Out += '\0';
}

void PutFlash(std::string& Out, const TPcbFlash& F) {
  PutWord(Out, 0x8095);
  Out += static_cast<char>(F.PinNumber);
  Out += static_cast<char>(F.Rotation / 90);
  PutCoord(Out, F.X);
  PutCoord(Out, F.Y);
}

void PutPolygon(std::string& Out, const TPcbComplexPolygon& P) {
  PutWord(Out, 0x80A3);
  PutWord(Out, static_cast<std::uint16_t>(P.Attribute));
  for (int I = 0; I < P.OutLines.Count(); ++I) {
    if (I > 0) {
      PutWord(Out, 0x807E);
      PutWord(Out, 0);
    }
    for (const TOutlinePoint& Point : P.OutLines.Items(I).Lines.AllPoints()) {
      PutCoord(Out, Point.X);
      PutCoord(Out, Point.Y);
    }
  }
  for (const TPcbArc& C : P.Circles) {
    PutWord(Out, 0x807F);
    PutWord(Out, 0);
    PutCoord(Out, C.CenterX);
    PutCoord(Out, C.CenterY);
    PutCoord(Out, C.StartX - C.CenterX);
    PutWord(Out, 0);
  }
  PutWord(Out, 0x8080);
  PutWord(Out, 0);  // the word after a polygon
}

}  // namespace

void GenerateBoard(TPcb& Pcb, std::int64_t Records) {
  const char* const Names[] = {"COMP", "SOLDER", "MSKGTP", "MSKGBT", "PIN", "SILK"};
  for (int I = 0; I < 6; ++I) {
    TLayer& L = Pcb.Layers.Add();
    L.Name = Names[I];
    L.Number = static_cast<std::uint8_t>(I + 1);
  }
  Pcb.Scale = 1.0;
  TRandom R;
  // Of every 20 records: 8 lines, 1 rectangle, 1 filled rectangle, 3 arcs,
  // 2 texts, 4 flashes, 1 polygon.
  for (std::int64_t N = 0; N < Records; ++N) {
    const int Kind = static_cast<int>(N % 20);
    const int Copper = R.Below(2);  // COMP or SOLDER
    TLayer& L = Pcb.Layers.Items(Copper);
    if (Kind < 8)
      AddLine(L, R, kindLine);
    else if (Kind == 8)
      AddLine(L, R, kindRectangle);
    else if (Kind == 9)
      AddLine(L, R, kindFilledRectangle);
    else if (Kind < 13)
      AddArc(L, R);
    else if (Kind < 15)
      AddText(Pcb.Layers.Items(5), R);
    else if (Kind < 19)
      AddFlash(Pcb.Layers.Items(4), R);
    else
      AddPolygon(L, R);
  }
}

void AddBenchPins(TPins& Pins) {
  for (int I = 0; I < PinCount; ++I) {
    TPinRecord Row;
    Row.PinNumber = I;
    Row.Hole = 0.4 + 0.1 * I;
    Row.Aperture = 0.8 + 0.1 * I;
    Row.Shape = I % 3 == 2 ? shapeNone : I % 3 == 1 ? shapeSquare : shapeCircle;
    Pins.Append(Row);
  }
}

// Two blanks between the columns, a square pad repeats its size, a pin
// without pad has a hole only.
std::string BenchPinDescription() {
  TPins Pins;
  AddBenchPins(Pins);
  std::string Text = "Pin#  Hole  Aper\r\n";
  for (const TPinRecord& Row : Pins.Rows()) {
    Text += fmt::Int(Row.PinNumber) + "  " + fmt::Fixed(Row.Hole, 2);
    if (Row.Shape != shapeNone) Text += "  " + fmt::Fixed(Row.Aperture, 2);
    if (Row.Shape == shapeSquare) Text += "  " + fmt::Fixed(Row.Aperture, 2);
    Text += "\r\n";
  }
  return Text;
}

std::string PlotFileBytes(const TPcb& Pcb) {
  std::string Out;
  for (std::uint16_t W : {0x804E, 4, 0, 0, 30000, 30000, 0, 1000}) PutWord(Out, W);
  PutWord(Out, static_cast<std::uint16_t>(Pcb.Layers.Count()));
  PutWord(Out, 0);
  for (const TLayer& L : Pcb.Layers) {
    std::string Name = L.Name;
    Name.resize(6, '\0');
    Out += Name;
    Out += static_cast<char>(L.Number);
    Out += static_cast<char>(L.Attribute);
  }
  for (const TLayer& L : Pcb.Layers) {
    PutWord(Out, 0x80A9);
    PutWord(Out, static_cast<std::uint16_t>(L.Number << 8));
    for (const TPcbLine& Line : L.Lines) PutLine(Out, Line);
    for (const TPcbArc& Arc : L.Arcs) PutArc(Out, Arc);
    for (const TPcbText& Text : L.Texts) PutText(Out, Text);
    for (const TPcbFlash& Flash : L.Flashes) PutFlash(Out, Flash);
    for (const TPcbComplexPolygon& Polygon : L.Polygons) PutPolygon(Out, Polygon);
  }
  return Out;
}

std::int64_t CountRecords(const TPcb& Pcb) {
  std::int64_t N = 0;
  for (const TLayer& L : Pcb.Layers)
    N +=
        L.Lines.Count() + L.Arcs.Count() + L.Texts.Count() + L.Flashes.Count() + L.Polygons.Count();
  return N;
}

}  // namespace quillon::bench
