// SPDX-License-Identifier: MIT
#include "script/ScriptPcb.h"
#include "script/genesis/GenesisSyntax.h"

namespace quillon {

namespace {

using namespace genesis;

void AddLine(TTextLines& Out, const TPcbLine& Line, double Scale) {
  LineBuilder(Out) << "COM add_line,attributes=no,"
                   << StartXY(Line.StartX * Scale, Line.StartY * Scale) << ','
                   << EndXY(Line.EndX * Scale, Line.EndY * Scale)
                   << ",symbol=" << RoundSymbol(Line.Width * Scale)
                   << ",polarity=positive,bus_num_lines=0,bus_dist_by=pitch,bus_distance=0,"
                      "bus_reference=left";
}

// A rectangle outline is a closed polyline that returns to its first corner.
void AddRectangle(TTextLines& Out, const TPcbLine& Rect, double Scale) {
  const double X1 = Rect.StartX * Scale, Y1 = Rect.StartY * Scale;
  const double X2 = Rect.EndX * Scale, Y2 = Rect.EndY * Scale;
  Out.Add("COM add_polyline_strt");
  LineBuilder(Out) << "COM add_polyline_xy," << XY(X1, Y1);
  LineBuilder(Out) << "COM add_polyline_xy," << XY(X2, Y1);
  LineBuilder(Out) << "COM add_polyline_xy," << XY(X2, Y2);
  LineBuilder(Out) << "COM add_polyline_xy," << XY(X1, Y2);
  LineBuilder(Out) << "COM add_polyline_xy," << XY(X1, Y1);
  LineBuilder(Out) << "COM add_polyline_end,attributes=no,symbol="
                   << RoundSymbol(Rect.Width * Scale) << ",polarity=positive";
}

}  // namespace

void TScriptingPcb::MakeGenesisLines() {
  for (int I = 0; I < Layers.Count(); ++I) {
    Checkpoint("Genesis: lines", -1, I);
    const TLayer& Layer = Layers.Items(I);
    if (Layer.Lines.Empty()) continue;
    LineBuilder(Output) << "echo Adding Lines for layer: " << I;
    SelectLayer(Output, LayerName(Layer.Name));
    for (int J = 0; J < Layer.Lines.Count(); ++J) {
      const TPcbLine& Line = Layer.Lines.Items(J);
      switch (Line.Kind) {
        case kindLine:
          AddLine(Output, Line, Scale);
          break;
        case kindRectangle:
          AddRectangle(Output, Line, Scale);
          break;
        case kindFilledRectangle:
          // Filled rectangles are surfaces; the polygons writer draws them.
          LineBuilder(Output) << "echo Skiping fill rect i=" << I << " j=" << J;
          break;
        default:
          LineBuilder(Output) << "echo Skiping unknown line i=" << I << " j=" << J;
          break;
      }
    }
    ZoomHome(Output, AddViewCommands);
  }
}

}  // namespace quillon
