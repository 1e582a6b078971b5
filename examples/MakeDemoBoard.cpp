// SPDX-License-Identifier: MIT
// Writes examples/demo.plt: a small two-sided board with an 8-pin DIP part, a
// four-pin connector, vias, mounting holes, tracks, silkscreen and a ground
// pour, using every kind of record. Coordinates are in mils (convert with the
// "Inch" factor, 0.0254 mm per unit); the board is 2000 x 1500.
//
// Pin codes of the flashes on PIN, the drill layer whose flashes are the
// board's pads (examples/demo-pins.txt row n describes pin code n + 1):
//   1 round via, 2 round pad, 3 square pad (pin 1 marks), 4 square via,
//   5 mounting hole without pad, 9 a test point that the description lacks,
//   so a conversion asks about it.
//
// Usage: make-demo-board [OUTPUT]   (default examples/demo.plt)

#include <exception>
#include <iostream>
#include <string>

#include "PlotBuilder.h"
#include "model/Pcb.h"

using quillon::test::PlotBuilder;

namespace {

enum LayerNumber { Comp = 1, Solder = 2, Silk = 3, Pin = 4, MaskTop = 5, MaskBottom = 6 };
enum PinCode {
  Via = 1,
  RoundPad = 2,
  SquarePad = 3,
  SquareVia = 4,
  MountingHole = 5,
  TestPoint = 9
};

// Justification codes 8·v + h.
constexpr int BottomLeft = 25, BottomCentre = 26, BottomRight = 27, MiddleLeft = 33, Centre = 34,
              MiddleRight = 35, TopLeft = 41, TopCentre = 42, TopRight = 43;

void Pads(PlotBuilder& P) {
  P.SelectLayer(Pin);
  // U1, DIP-8: pins 1-4 along the bottom row, 5-8 back along the top row.
  for (int i = 0; i < 4; ++i) P.Flash(i == 0 ? SquarePad : RoundPad, 600 + 100 * i, 500);
  for (int i = 0; i < 4; ++i) P.Flash(RoundPad, 900 - 100 * i, 800);
  // J1, a four-pin header turned a quarter.
  for (int i = 0; i < 4; ++i) P.Flash(i == 0 ? SquarePad : RoundPad, 1700, 400 + 100 * i, 1);
  P.Flash(Via, 1000, 650).Flash(Via, 1200, 300).Flash(Via, 400, 1100);
  P.Flash(SquareVia, 1300, 1000).Flash(SquareVia, 1400, 1000, 2);
  for (int X : {150, 1850})
    for (int Y : {150, 1350}) P.Flash(MountingHole, X, Y);
  P.Flash(TestPoint, 1000, 1300);
}

void TopCopper(PlotBuilder& P) {
  P.SelectLayer(Comp);
  // Signals from U1 to J1, in 10 and 12 mil.
  P.Line(600, 500, 600, 300, 12).Line(600, 300, 1600, 300, 12).Line(1600, 300, 1700, 400, 12);
  P.Line(700, 500, 700, 380, 10).Line(700, 380, 1500, 380, 10).Line(1500, 380, 1700, 500, 10);
  // Power in 40 mil, with a 90° bend drawn as an arc (by angles).
  P.Line(900, 800, 900, 1000, 40).Line(1000, 1100, 1300, 1100, 40);
  P.ArcByAngles({1000, 1000}, 100, 90, 180, 40);
  P.Line(1300, 1100, 1300, 1000, 25);
  // A copper area under U1's heat tab and a keep-out frame.
  P.FilledRectangle(1100, 500, 1300, 700);
  P.Rectangle(1080, 480, 1320, 720, 8);
  P.Line(1000, 650, 1100, 650, 25);
}

void BottomCopper(PlotBuilder& P) {
  P.SelectLayer(Solder);
  P.Line(800, 500, 800, 200, 12).Line(800, 200, 1200, 200, 12).Line(1200, 200, 1200, 300, 12);
  P.Line(400, 1100, 600, 1100, 10).Line(600, 1100, 600, 800, 10);
  P.Line(1400, 1000, 1700, 700, 25);
  // A rounded corner by its end points.
  P.ArcByPoints({1200, 1300}, {1300, 1300}, {1200, 1400}, 12);
  // Ground pour with a void around U1 and voids around a via and the test point.
  P.Polygon({{{{100, 100}, {1900, 100}, {1900, 1400}, {100, 1400}, {100, 100}},
              {{550, 450}, {950, 450}, {950, 850}, {550, 850}, {550, 450}}},
             {{1000, 650, 40}, {1000, 1300, 60}},
             1});
  P.Text(1800, 1450, "SOLDER SIDE", {.Mirror = true, .Size = 60, .Justification = TopRight});
}

void Silkscreen(PlotBuilder& P) {
  P.SelectLayer(Silk);
  P.Rectangle(0, 0, 2000, 1500, 10);     // board outline
  P.Rectangle(550, 450, 950, 850, 8);    // U1 body
  P.Rectangle(1650, 350, 1750, 750, 8);  // J1 body
  // U1's notch: a half circle by end points.
  P.ArcByPoints({550, 650}, {550, 600}, {550, 700}, 8);
  // A pin 1 dot: a full circle (0° to 360°, the second arc tag).
  P.ArcByAngles({600, 420}, 15, 0, 360, 6, 0, PlotBuilder::TagArcByAnglesAlt);
  P.Text(750, 900, "U1", {.Size = 60, .Justification = BottomCentre});
  P.Text(1800, 550, "J1", {.Rotation = 90, .Size = 60, .Justification = Centre});
  P.Text(100, 1450, "QUILLON DEMO", {.Size = 80, .Justification = TopLeft});
  P.Text(1900, 80, "REV A", {.Rotation = 180, .Size = 50, .Justification = BottomRight});
  P.Text(1950, 700, "+5V", {.Rotation = 270, .Size = 50, .Justification = MiddleRight});
  P.Text(1000, 1230, "TP1", {.Size = 40, .Justification = MiddleLeft});
  P.Text(100, 200, "GND", {.Size = 40, .Justification = BottomLeft});
  P.Text(1850, 1250, "M3", {.Size = 40, .Justification = TopCentre});
}

void MaskOpenings(PlotBuilder& P) {
  // The copper area is left open in the top mask; the bottom mask stays empty.
  P.SelectLayer(MaskTop);
  P.FilledRectangle(1100, 500, 1300, 700);
}

PlotBuilder DemoBoard() {
  PlotBuilder P;
  P.Header(4, {0, 0, 2000, 1500}, 1000);
  P.Layers({{"COMP", Comp},
            {"SOLDER", Solder},
            {"SILK", Silk},
            {"PIN", Pin},
            {"MSKGTP", MaskTop},
            {"MSKGBT", MaskBottom}});
  Pads(P);
  TopCopper(P);
  BottomCopper(P);
  Silkscreen(P);
  MaskOpenings(P);
  return P;
}

}  // namespace

int main(int Argc, char** Argv) {
  const std::string Output = Argc > 1 ? Argv[1] : "examples/demo.plt";
  try {
    DemoBoard().Save(Output);
    // Read it back, so a generator fault never ships a board the reader refuses.
    quillon::TPcb Check;
    if (!Check.LoadFromFile(Output)) throw std::runtime_error("the demo board does not load");
    std::cout << "Wrote " << Output << '\n';
    return 0;
  } catch (const std::exception& E) {
    std::cerr << "make-demo-board: " << E.what() << '\n';
    return 1;
  }
}
