// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

const std::vector<std::string> PouringStart{
    "polyfilldcode@ 10",          "polyclearance@ 0.0",          "polyfillpattern@ \"SOLID\"",
    "polyfillmethod@ \"RASTER\"", "polyaddtype@ \"DRAWBORDER\"", "add_pouring@",
};

// Appends lines to Lines: the pouring settings block, or any listed lines.
void Append(std::vector<std::string>& Lines, const std::vector<std::string>& More) {
  Lines.insert(Lines.end(), More.begin(), More.end());
}

TEST(Cam350Polygons, APolygonWithoutVoidsIsAPouringBracketedByLayerAllOff) {
  TScriptingPcb Board;
  AddLayers(Board, 4);
  Board.Scale = 0.01;
  AddOutline(Board.Layers.Items(3).Polygons.Add(),
             {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}});
  Board.MakeCam350Polygons();
  std::vector<std::string> Expected{"setlayer@ 3", "polylayer@ 3"};
  Append(Expected, PouringStart);
  Append(Expected,
         {"axy@ 0.00,0.00", "axy@ 1.00,0.00", "axy@ 1.00,1.00", "axy@ 0.00,1.00", "axy@ 0.00,0.00",
          "back@", "end@", "layer_alloff@ 1", "layer_alloff@ 0", "view_all@"});
  EXPECT_EQ(LinesOf(Board.Output), Expected);
}

TEST(Cam350Polygons, VoidOutlinesAndVoidCirclesWithTheirLeadPoints) {
  TScriptingPcb Board;
  AddLayers(Board, 1);
  Board.Scale = 0.01;
  TPcbComplexPolygons& Polygons = Board.Layers.Items(0).Polygons;
  {
    TPcbComplexPolygon& Polygon = Polygons.Add();
    AddOutline(Polygon, {{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}});  // open: ends at (0, 1000)
    AddOutline(Polygon, {{100, 100}, {200, 100}, {200, 200}, {100, 100}});
    AddOutline(Polygon, {});  // a void without points
    AddOutline(Polygon, {{500, 500}, {600, 500}, {600, 600}});
    AddOutline(Polygon, {});
    AddVoidCircle(Polygon, {300, 300}, 50);
    AddVoidCircle(Polygon, {700, 700}, 20);
  }
  {
    TPcbComplexPolygon& Polygon = Polygons.Add();
    AddOutline(Polygon, {{2000, 0}, {3000, 0}, {3000, 1000}});
    AddVoidCircle(Polygon, {2500, 500}, 100);
  }
  Board.MakeCam350Polygons();

  // clang-format off
  std::vector<std::string> Expected{"setlayer@ 0", "polylayer@ 0"};
  Append(Expected, PouringStart);
  Append(Expected, {
      "axy@ 0.00,0.00", "axy@ 10.00,0.00", "axy@ 10.00,10.00", "axy@ 0.00,10.00", "back@", "end@",
      "layer_alloff@ 1",
      "add_polyvoid@", "axy@ 1.00,1.00",
      "axy@ 1.00,1.00", "axy@ 2.00,1.00", "axy@ 2.00,2.00", "axy@ 1.00,1.00", "back@",
      "add_polyvoid@", "axy@ 5.00,5.00",
      "axy@ 5.00,5.00", "axy@ 6.00,5.00", "axy@ 6.00,6.00", "back@",
      // lead point: the first point of the last void outline with points
      "add_polyvoid_cir@", "axy@ 5.00,5.00", "axy@ 3.00,3.00", "axy@ 3.50,3.00", "back@",
      "add_polyvoid_cir@", "axy@ 5.00,5.00", "axy@ 7.00,7.00", "axy@ 7.20,7.00", "back@",
      "layer_alloff@ 0"});
  Append(Expected, PouringStart);
  Append(Expected, {
      "axy@ 20.00,0.00", "axy@ 30.00,0.00", "axy@ 30.00,10.00", "back@", "end@",
      "layer_alloff@ 1",
      // lead point: this polygon's own outer end
      "add_polyvoid_cir@", "axy@ 30.00,10.00", "axy@ 25.00,5.00", "axy@ 26.00,5.00", "back@",
      "layer_alloff@ 0", "view_all@"});
  // clang-format on
  EXPECT_EQ(LinesOf(Board.Output), Expected);
}

TEST(Cam350Polygons, PolygonsWithoutAnOuterOutlineArePassedOverWhole) {
  TScriptingPcb Board;
  AddLayers(Board, 2);
  Board.Scale = 0.01;
  AddVoidCircle(Board.Layers.Items(0).Polygons.Add(), {10, 10}, 10);  // no outlines at all
  TPcbComplexPolygons& Polygons = Board.Layers.Items(1).Polygons;
  {
    TPcbComplexPolygon& Polygon = Polygons.Add();
    AddOutline(Polygon, {});  // outer outline without points
    AddOutline(Polygon, {{100, 100}, {200, 100}, {200, 200}});
    AddVoidCircle(Polygon, {300, 300}, 50);
  }
  {
    TPcbComplexPolygon& Polygon = Polygons.Add();
    AddOutline(Polygon, {{0, 0}, {100, 0}});
    AddVoidCircle(Polygon, {50, 50}, 10);
  }
  Board.MakeCam350Polygons();

  std::vector<std::string> Expected{"setlayer@ 0", "polylayer@ 0", "view_all@", "setlayer@ 1",
                                    "polylayer@ 1"};
  Append(Expected, PouringStart);
  Append(Expected, {"axy@ 0.00,0.00", "axy@ 1.00,0.00", "back@", "end@", "layer_alloff@ 1",
                    "add_polyvoid_cir@", "axy@ 1.00,0.00", "axy@ 0.50,0.50", "axy@ 0.60,0.50",
                    "back@", "layer_alloff@ 0", "view_all@"});
  EXPECT_EQ(LinesOf(Board.Output), Expected);
}

TEST(Cam350Polygons, FilledRectanglesArePouredInASecondPassOverAllLayers) {
  TScriptingPcb Board;
  AddLayers(Board, 3);
  Board.Scale = 1;
  TLayer& Layer0 = Board.Layers.Items(0);
  AddOutline(Layer0.Polygons.Add(), {{0, 0}, {10, 0}, {0, 10}, {0, 0}});
  AddLine(Layer0.Lines, kindLine, {0, 0}, {5, 5}, 1);
  AddLine(Layer0.Lines, kindFilledRectangle, {200, 100}, {0, 0}, 1);
  AddLine(Layer0.Lines, kindRectangle, {0, 0}, {50, 50}, 1);  // an outline only: not poured
  AddLine(Board.Layers.Items(1).Lines, kindLine, {0, 0}, {5, 5}, 1);
  AddOutline(Board.Layers.Items(2).Polygons.Add(), {{1, 1}, {2, 2}});
  Board.MakeCam350Polygons();

  std::vector<std::string> Expected{"setlayer@ 0", "polylayer@ 0"};
  Append(Expected, PouringStart);
  Append(Expected,
         {"axy@ 0.00,0.00", "axy@ 10.00,0.00", "axy@ 0.00,10.00", "axy@ 0.00,0.00", "back@", "end@",
          "layer_alloff@ 1", "layer_alloff@ 0", "view_all@", "setlayer@ 2", "polylayer@ 2"});
  Append(Expected, PouringStart);
  Append(Expected, {"axy@ 1.00,1.00", "axy@ 2.00,2.00", "back@", "end@", "layer_alloff@ 1",
                    "layer_alloff@ 0", "view_all@",
                    // second pass
                    "setlayer@ 0", "polylayer@ 0"});
  Append(Expected, PouringStart);
  Append(Expected, {"axy@ 200.00,100.00", "axy@ 0.00,100.00", "axy@ 0.00,0.00", "axy@ 200.00,0.00",
                    "back@", "end@", "view_all@", "setlayer@ 1", "polylayer@ 1", "view_all@"});
  EXPECT_EQ(LinesOf(Board.Output), Expected);
}

}  // namespace
}  // namespace quillon::test
