// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

using Lines = std::vector<std::string>;

TEST(GenesisPolygons, BoardWithoutPolygonsAndLinesWritesNothing) {
  TScriptingPcb Pcb;
  TLayer& Layer = AddLayer(Pcb, "TOP", 0);
  AddFlash(Layer, 1, {0, 0});
  AddArc(Layer.Arcs, {0, 0}, {10, 0}, {10, 0}, 0);
  Pcb.Scale = 0.01;
  Pcb.MakeGenesisPolygons();
  EXPECT_TRUE(LinesOf(Pcb.Output).empty());
}

// TOP holds one plain line; GND holds a triangle, a closed square with holes
// (one of them without segments) and circles, a polygon of circles only, and
// a filled rectangle given end corner first.
TEST(GenesisPolygons, SurfacesVoidsAndRectanglesInTwoPasses) {
  TScriptingPcb Pcb;
  AddLayer(Pcb, "TOP", 0);
  AddLayer(Pcb, "GND", 0);
  TLayer& Top = Pcb.Layers.Items(0);
  TLayer& Gnd = Pcb.Layers.Items(1);
  AddLine(Top, kindLine, {0, 0}, {100, 0}, 5);
  AddOutline(Gnd.Polygons.Add(), {{0, 0}, {100, 0}, {100, 100}, {0, 100}});
  TPcbComplexPolygon& Square = Gnd.Polygons.Add();
  AddOutline(Square, {{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}, {0, 0}});
  AddOutline(Square, {{100, 100}, {200, 100}, {200, 200}});
  Square.OutLines.Add();
  AddOutline(Square, {{300, 300}, {400, 300}});
  AddArc(Square.Circles, {500, 500}, {550, 500}, {550, 500}, 0);
  AddArc(Square.Circles, {700, 700}, {700, 750}, {700, 750}, 0);
  AddArc(Square.Circles, {-900, 900}, {-900, 800}, {-900, 800}, 0);
  AddArc(Gnd.Polygons.Add().Circles, {0, 0}, {10, 0}, {10, 0}, 0);
  AddLine(Gnd, kindFilledRectangle, {200, 300}, {100, 50}, 1);
  AddLine(Gnd, kindRectangle, {0, 0}, {10, 10}, 1);
  Pcb.Scale = 0.01;
  Pcb.MakeGenesisPolygons();
  const Lines Expected = {
      "echo Adding Complex Polygons for layer 1",
      "COM display_layer,name=gnd,display=yes,number=1",
      "COM work_layer,name=gnd",
      // The triangle: three segments, five points.
      "COM add_surf_strt,surf_type=feature",
      "COM add_surf_poly_strt,x=0.00,y=0.00",
      "COM add_surf_poly_seg,x=1.00,y=0.00",
      "COM add_surf_poly_seg,x=1.00,y=1.00",
      "COM add_surf_poly_seg,x=0.00,y=1.00",
      "COM add_surf_poly_seg,x=0.00,y=0.00",
      "COM add_surf_poly_end",
      "COM add_surf_end,attributes=no,polarity=positive",
      // The square was closed in the plot: its first point comes twice.
      "COM add_surf_strt,surf_type=feature",
      "COM add_surf_poly_strt,x=0.00,y=0.00",
      "COM add_surf_poly_seg,x=10.00,y=0.00",
      "COM add_surf_poly_seg,x=10.00,y=10.00",
      "COM add_surf_poly_seg,x=0.00,y=10.00",
      "COM add_surf_poly_seg,x=0.00,y=0.00",
      "COM add_surf_poly_seg,x=0.00,y=0.00",
      "COM add_surf_poly_end",
      "COM add_surf_end,attributes=no,polarity=positive",
      "echo Adding Void Complex Polygons for layer 1, ComplesPolygons: 1, OutLines: 1",
      "COM add_surf_strt,surf_type=feature",
      "COM add_surf_poly_strt,x=1.00,y=1.00",
      "COM add_surf_poly_seg,x=2.00,y=1.00",
      "COM add_surf_poly_seg,x=2.00,y=2.00",
      "COM add_surf_poly_seg,x=1.00,y=1.00",
      "COM add_surf_poly_end",
      "COM add_surf_end,attributes=no,polarity=negative",
      "echo Adding Void Complex Polygons for layer 1, ComplesPolygons: 1, OutLines: 3",
      "COM add_surf_strt,surf_type=feature",
      "COM add_surf_poly_strt,x=3.00,y=3.00",
      "COM add_surf_poly_seg,x=4.00,y=3.00",
      "COM add_surf_poly_seg,x=3.00,y=3.00",
      "COM add_surf_poly_end",
      "COM add_surf_end,attributes=no,polarity=negative",
      "echo Adding Void Circle for layer: 1, ComplexPolygons: 1, VoidCircles 0",
      "COM add_surf_strt,surf_type=feature",
      "COM add_surf_poly_strt,x=5.50,y=5.00",
      "COM add_surf_poly_crv,xc=5.00,yc=5.00,xe=5.50,ye=5.00,cw=yes",
      "COM add_surf_poly_end",
      "COM add_surf_end,attributes=no,polarity=negative",
      "echo Adding Void Circle for layer: 1, ComplexPolygons: 1, VoidCircles 1",
      "COM add_surf_strt,surf_type=feature",
      "COM add_surf_poly_strt,x=7.00,y=7.50",
      "COM add_surf_poly_crv,xc=7.00,yc=7.00,xe=7.00,ye=7.50,cw=yes",
      "COM add_surf_poly_end",
      "COM add_surf_end,attributes=no,polarity=negative",
      "echo Adding Void Circle for layer: 1, ComplexPolygons: 1, VoidCircles 2",
      "COM add_surf_strt,surf_type=feature",
      "COM add_surf_poly_strt,x=-9.00,y=8.00",
      "COM add_surf_poly_crv,xc=-9.00,yc=9.00,xe=-9.00,ye=8.00,cw=yes",
      "COM add_surf_poly_end",
      "COM add_surf_end,attributes=no,polarity=negative",
      // The polygon with a circle but without outlines draws nothing.
      "COM zoom_home",
      // Second pass: every layer with lines, filled rectangles or not.
      "echo Adding Rectange Polygons for layer 0",
      "COM display_layer,name=top,display=yes,number=1",
      "COM work_layer,name=top",
      "COM zoom_home",
      "echo Adding Rectange Polygons for layer 1",
      "COM display_layer,name=gnd,display=yes,number=1",
      "COM work_layer,name=gnd",
      "COM add_surf_strt,surf_type=feature",
      "COM add_surf_poly_strt,x=2.00,y=3.00",
      "COM add_surf_poly_seg,x=1.00,y=3.00",
      "COM add_surf_poly_seg,x=1.00,y=0.50",
      "COM add_surf_poly_seg,x=2.00,y=0.50",
      "COM add_surf_poly_seg,x=2.00,y=3.00",
      "COM add_surf_poly_end",
      "COM add_surf_end,attributes=no,polarity=positive",
      "COM zoom_home",
  };
  EXPECT_EQ(Joined(LinesOf(Pcb.Output)), Joined(Expected));
}

// Negative surfaces erase whatever the layer holds: a polygon without its
// bounding outline writes neither its void outlines nor its circles, while
// the polygons around it are written as ever.
TEST(GenesisPolygons, APolygonWithoutAnOuterOutlineWritesNothing) {
  TScriptingPcb Pcb;
  TLayer& Gnd = AddLayer(Pcb, "GND", 0);
  AddOutline(Gnd.Polygons.Add(), {{0, 0}, {100, 0}, {100, 100}});
  TPcbComplexPolygon& Hollow = Gnd.Polygons.Add();
  Hollow.OutLines.Add();
  AddOutline(Hollow, {{10, 10}, {50, 10}, {50, 50}});
  AddArc(Hollow.Circles, {20, 20}, {30, 20}, {30, 20}, 0);
  AddArc(Gnd.Polygons.Add().Circles, {60, 60}, {70, 60}, {70, 60}, 0);
  AddOutline(Gnd.Polygons.Add(), {{0, 0}, {100, 0}});
  Pcb.Scale = 0.01;
  Pcb.AddViewCommands = false;
  Pcb.MakeGenesisPolygons();
  EXPECT_EQ(Joined(LinesOf(Pcb.Output)),
            Joined(Lines{
                "echo Adding Complex Polygons for layer 0",
                "COM display_layer,name=gnd,display=yes,number=1",
                "COM work_layer,name=gnd",
                "COM add_surf_strt,surf_type=feature",
                "COM add_surf_poly_strt,x=0.00,y=0.00",
                "COM add_surf_poly_seg,x=1.00,y=0.00",
                "COM add_surf_poly_seg,x=1.00,y=1.00",
                "COM add_surf_poly_seg,x=0.00,y=0.00",
                "COM add_surf_poly_end",
                "COM add_surf_end,attributes=no,polarity=positive",
                "COM add_surf_strt,surf_type=feature",
                "COM add_surf_poly_strt,x=0.00,y=0.00",
                "COM add_surf_poly_seg,x=1.00,y=0.00",
                "COM add_surf_poly_seg,x=0.00,y=0.00",
                "COM add_surf_poly_end",
                "COM add_surf_end,attributes=no,polarity=positive",
            }));
}

}  // namespace
}  // namespace quillon::test
