// SPDX-License-Identifier: MIT
// The check's own readers of CAM350 macros and Genesis scripts: each command
// kind turns into the drawn item it stands for, bad lines are reported with
// their line number and never crash, and a converted board reads back as the
// picture it should draw.

#include <gtest/gtest.h>

#include <string>

#include "check/Compare.h"
#include "check/scripts/Cam350MacroReader.h"
#include "check/scripts/DrawnItemsPainter.h"
#include "check/scripts/GenesisScriptReader.h"
#include "check/scripts/ScriptCheck.h"
#include "check/scripts/ScriptExpectation.h"
#include "support/TestBoards.h"
#include "support/TestFiles.h"

namespace quillon::check::scripts {
namespace {

template <class T>
const T& Item(const TDrawnFile& F, int Layer, std::size_t I) {
  return std::get<T>(F.Layers.at(Layer).Items.at(I));
}

std::string Problems(const TDrawnFile& F) {
  std::string Text;
  for (const TReadProblem& P : F.Problems) Text += std::to_string(P.Line) + ": " + P.Message + "\n";
  return Text;
}

const char* const Cam350Head =
    "; Macro for CAM350 V5.0\r\nsetunit@ 1\r\n"
    "edit_aperture@ 10,1,0.2500,0.2500,0,\"\"\r\nupdate_dcodebar@\r\n"
    "edit_aperture@ 11,2,1.6000,1.6000,0,\"\"\r\n"
    "edit_aperture@ 12,1,0.8000,0.8000,0,\"\"\r\n"
    "edit_padstack_dcode@ 5,0,11\r\nedit_padstack_dcode@ 5,1,11\r\nedit_padstack_dcode@ 5,2,12\r\n"
    "edit_layer@ 0,1,1,4,0,\"TOP\"\r\nedit_layer@ 1,2,2,4,0,\"BOT\"\r\n"
    "edit_layer@ 2,3,3,4,0,\"DRILL\"\r\n";

TEST(Cam350Reader, ReadsEveryDrawingCommand) {
  const std::string Macro = std::string(Cam350Head) +
      "setlayer@ 2\r\nadd_padstack@\r\nsetpadstack@ 5\r\naxy@ 10.00,-3.25\r\nback@\r\n"
      "setlayer@ 0\r\nsetdcode@ 10\r\nadd_line@\r\naxy@ 1.00,2.00\r\naxy@ 3.00,2.00\r\nback@\r\n"
      "add_rectangle@\r\naxy@ 0.00,0.00\r\naxy@ 2.00,1.00\r\nback@\r\n"
      "update_dcodebar@\r\nadd_circle@\r\naxy@ 5.00,5.00\r\naxy@ 6.00,5.00\r\nback@\r\n"
      "add_arc@\r\naxy@ 5.00,5.00\r\naxy@ 6.00,5.00\r\naxy@ 5.00,6.00\r\nback@\r\nview_all@\r\n"
      "setlayer@ 1\r\npolylayer@ 1\r\npolyfilldcode@ 10\r\npolyclearance@ 0.0\r\n"
      "polyfillpattern@ \"SOLID\"\r\npolyfillmethod@ \"RASTER\"\r\npolyaddtype@ \"DRAWBORDER\"\r\n"
      "add_pouring@\r\naxy@ 0.00,0.00\r\naxy@ 4.00,0.00\r\naxy@ 4.00,4.00\r\naxy@ 0.00,0.00\r\n"
      "back@\r\nend@\r\nlayer_alloff@ 1\r\nadd_polyvoid@\r\naxy@ 1.00,1.00\r\naxy@ 1.00,1.00\r\n"
      "axy@ 2.00,1.00\r\naxy@ 2.00,2.00\r\naxy@ 1.00,1.00\r\nback@\r\n"
      "add_polyvoid_cir@\r\naxy@ 1.00,1.00\r\naxy@ 3.00,1.00\r\naxy@ 3.50,1.00\r\nback@\r\n"
      "layer_alloff@ 0\r\n"
      "textjust@ 4\r\ntextmirror@ 0\r\nsetlayer@ 0\r\nsetdcode@ 10\r\ntextjust@ 18\r\n"
      "textmirror@ 1\r\ntextangle@ 9000\r\ntextfullheight@ 1.50\r\n"
      "addtext@ 5.00,2.50,5.00,2.50,\"R\"1,\"\r\nback@\r\ntextangle@   00\r\n";
  const TDrawnFile F = ReadCam350Macro(Macro);
  ASSERT_EQ(Problems(F), "");
  EXPECT_EQ(F.Layers.at(0).Name, "TOP");
  // The padstack puts its pad on both pad layers and its hole on the drill.
  for (const int L : {0, 1}) {
    const TDrawnPad& Pad = Item<TDrawnPad>(F, L, 0);
    EXPECT_EQ(Pad.Shape, TPadShape::Square);
    EXPECT_DOUBLE_EQ(Pad.Size, 1.6);
    EXPECT_DOUBLE_EQ(Pad.Center.Y, -3.25);
  }
  EXPECT_DOUBLE_EQ(Item<TDrawnPad>(F, 2, 0).Size, 0.8);
  const TDrawnLine& Line = Item<TDrawnLine>(F, 0, 1);
  EXPECT_DOUBLE_EQ(Line.Width, 0.25);
  EXPECT_DOUBLE_EQ(Line.B.X, 3);
  // The rectangle as its four sides.
  EXPECT_DOUBLE_EQ(Item<TDrawnLine>(F, 0, 3).B.Y, 1);
  const TDrawnArc& Circle = Item<TDrawnArc>(F, 0, 6);
  EXPECT_DOUBLE_EQ(Circle.Start.X, Circle.End.X);
  const TDrawnArc& Arc = Item<TDrawnArc>(F, 0, 7);
  EXPECT_FALSE(Arc.Clockwise);
  EXPECT_DOUBLE_EQ(Arc.End.Y, 6);
  // The pouring, its void without the lead point, and its round void.
  EXPECT_FALSE(Item<TDrawnSurface>(F, 1, 1).Negative);
  EXPECT_EQ(Item<TDrawnSurface>(F, 1, 1).Points.size(), 4u);
  EXPECT_TRUE(Item<TDrawnSurface>(F, 1, 2).Negative);
  EXPECT_EQ(Item<TDrawnSurface>(F, 1, 2).Points.size(), 4u);
  EXPECT_TRUE(Item<TDrawnPad>(F, 1, 3).Negative);
  EXPECT_DOUBLE_EQ(Item<TDrawnPad>(F, 1, 3).Size, 1);
  // The text keeps every setting and its quotes.
  const TDrawnText& Text = Item<TDrawnText>(F, 0, 8);
  EXPECT_EQ(Text.Text, "R\"1,");
  EXPECT_EQ(Text.Justification, 42);
  EXPECT_TRUE(Text.Mirror);
  EXPECT_DOUBLE_EQ(Text.Rotation, 90);
  EXPECT_DOUBLE_EQ(Text.Size, 1.5);
  EXPECT_DOUBLE_EQ(Text.Width, 0.25);
}

TEST(Cam350Reader, JustificationCodesMapToThePlots) {
  const int Codes[] = {12, 20, 4, 9, 17, 5, 10, 18, 6};
  const int Plot[] = {25, 26, 27, 33, 34, 35, 41, 42, 43};
  for (int I = 0; I < 9; ++I) EXPECT_EQ(PlotJustificationOfCam350(Codes[I]), Plot[I]) << Codes[I];
  for (const int Bad : {0, 1, 3, 7, 8, 24, 31}) EXPECT_EQ(PlotJustificationOfCam350(Bad), 0) << Bad;
}

TEST(Cam350Reader, ReportsBadLinesWithTheirNumbers) {
  const std::string Macro = std::string(Cam350Head) +  // 12 lines
      "frobnicate@ 1\n"                                  // 13: unknown command
      "setlayer@ 0\nsetdcode@ 10\nadd_line@\naxy@ 1.00\n"  // 17: a truncated point
      "axy@ 1e999,2\n"                                   // 18: not a number as written
      "axy@ 99999999999999999999999999.0,0\n"            // 19: far beyond any board
      "back@\n"                                          // 20: too few points
      "addtext@ 1.00,1.00,1.00,1.00,\"open\n"            // 21: unterminated string
      "back@\nno command here\n"                         // 23: no @
      "add_padstack@\nsetpadstack@ 99\naxy@ 0,0\n";      // ends inside a step
  const TDrawnFile F = ReadCam350Macro(Macro);
  const std::string P = Problems(F);
  for (const char* Expected : {"13: unknown command frobnicate@", "17: expected axy@ x,y",
                               "18: expected a point", "19: expected a point",
                               "20: the step of line 16 has 0 point(s)",
                               "21: a text whose closing double quote is missing",
                               "23: expected a macro command", "26: the macro ends inside"})
    EXPECT_NE(P.find(Expected), std::string::npos) << Expected << "\n" << P;
}

TEST(Cam350Reader, HostileInputStaysBounded) {
  std::string Huge(MaxLineBytes + 10, 'a');
  EXPECT_EQ(ReadCam350Macro(Huge).Problems.size(), 1u);
  std::string Many;
  for (int I = 0; I < 1000; ++I) Many += "bad\n";
  EXPECT_EQ(ReadCam350Macro(Many).Problems.size(), MaxProblems);
  EXPECT_NO_THROW(ReadCam350Macro(std::string("\0@\r\r@@,,,\"", 11)));
  EXPECT_NO_THROW(ReadCam350Macro("setlayer@ 99999999999999999999\nsetlayer@ -1\nsetlayer@ 256\n"));
}

const char* const GenesisHead =
    "#!/bin/csh\n# Genesis script\nset gJob=quillon\nsource C:/tmp/quillon_var\n"
    "if ($gEXISTS == 'yes') then\n    COM open_job,job=$gJob\nendif\necho creating\n"
    "COM matrix_add_layer,job=$gJob,matrix=matrix,layer=top,row=1,context=misc,type=document,"
    "polarity=positive\n"
    "COM matrix_add_layer,job=$gJob,matrix=matrix,layer=bot,row=2,context=misc,type=document,"
    "polarity=positive\n"
    "COM units,type=mm\n";  // 11 lines

TEST(GenesisReader, ReadsEveryDrawingCommand) {
  const std::string Script = std::string(GenesisHead) +
      "COM display_layer,name=top,display=yes,number=1\nCOM work_layer,name=top\n"
      "COM affected_layer,name=bot,mode=single,affected=yes\n"
      "COM add_pad,attributes=no,x=10.00,y=-3.25,symbol=s1500,polarity=positive,angle=0\n"
      "COM affected_layer,name=bot,mode=all,affected=no\n"
      "COM add_pad,attributes=no,x=1.00,y=1.00,symbol=bfr1000,polarity=positive\n"
      "COM add_line,attributes=no,xs=2.54,ys=5.08,xe=7.62,ye=5.08,symbol=r254,polarity=positive\n"
      "COM add_polyline_strt\nCOM add_polyline_xy,x=0.00,y=0.00\nCOM add_polyline_xy,x=1.00,y=0.00\n"
      "COM add_polyline_xy,x=1.00,y=1.00\nCOM add_polyline_end,attributes=no,symbol=r100\n"
      "COM add_arc,attributes=no,xc=0.00,yc=0.00,xs=1.00,ys=0.00,xe=0.00,ye=1.00,symbol=r100,"
      "polarity=positive,direction=cw\n"
      "COM work_layer,name=bot\nCOM add_surf_strt,surf_type=feature\n"
      "COM add_surf_poly_strt,x=0.00,y=0.00\nCOM add_surf_poly_seg,x=4.00,y=0.00\n"
      "COM add_surf_poly_seg,x=4.00,y=4.00\nCOM add_surf_poly_seg,x=0.00,y=0.00\n"
      "COM add_surf_poly_end\nCOM add_surf_end,attributes=no,polarity=positive\n"
      "COM add_surf_strt,surf_type=feature\nCOM add_surf_poly_strt,x=3.00,y=1.00\n"
      "COM add_surf_poly_crv,xc=2.00,yc=1.00,xe=3.00,ye=1.00,cw=yes\nCOM add_surf_poly_end\n"
      "COM add_surf_end,attributes=no,polarity=negative\n"
      "COM add_text,attributes=no,type=string,x=8.42,y=20.00,text='it'\\''s, a',x_size = 0.61,"
      "y_size = 0.81,w_factor=1,polarity=positive,angle=270,mirror=no,fontname=standard,ver=1\n"
      "COM zoom_home\n";
  const TDrawnFile F = ReadGenesisScript(Script);
  ASSERT_EQ(Problems(F), "");
  EXPECT_EQ(F.Layers.at(1).Name, "bot");
  // The pad goes to the work layer and the affected one; the next only to the work layer.
  EXPECT_EQ(Item<TDrawnPad>(F, 0, 0).Shape, TPadShape::Square);
  EXPECT_DOUBLE_EQ(Item<TDrawnPad>(F, 1, 0).Size, 1.5);
  EXPECT_EQ(Item<TDrawnPad>(F, 0, 1).Shape, TPadShape::Butterfly);
  EXPECT_DOUBLE_EQ(Item<TDrawnPad>(F, 0, 1).Size, 1);
  EXPECT_DOUBLE_EQ(Item<TDrawnLine>(F, 0, 2).Width, 0.254);
  EXPECT_DOUBLE_EQ(Item<TDrawnLine>(F, 0, 4).B.Y, 1);  // the polyline's second side
  EXPECT_TRUE(Item<TDrawnArc>(F, 0, 5).Clockwise);
  EXPECT_EQ(Item<TDrawnSurface>(F, 1, 1).Points.size(), 4u);
  const TDrawnSurface& Void = Item<TDrawnSurface>(F, 1, 2);
  EXPECT_TRUE(Void.Negative);
  EXPECT_GT(Void.Points.size(), 100u);  // the circle as a fine polygon
  const TDrawnText& Text = Item<TDrawnText>(F, 1, 3);
  EXPECT_EQ(Text.Text, "it's, a");
  EXPECT_DOUBLE_EQ(Text.Rotation, 90);  // 270 clockwise
  EXPECT_EQ(Text.Justification, 34);
  EXPECT_NEAR(Text.Size, 1.0, 0.01);
}

TEST(GenesisReader, ReportsBadLinesWithTheirNumbers) {
  const std::string Script = std::string(GenesisHead) +
      "COM frobnicate,a=1\n"                                              // 12
      "COM add_pad,x=1.00,y=1.00,symbol=r100\n"                           // 13: no work layer
      "COM work_layer,name=nowhere\n"                                     // 14
      "COM work_layer,name=top\nCOM add_pad,x=1.00,symbol=r100\n"         // 16: no y
      "COM add_pad,x=1.00,y=1.00,symbol=oval100x200\n"                    // 17
      "COM add_line,xs=1e400,ys=0,xe=0,ye=0,symbol=r1\n"                   // 18
      "COM add_text,x=1,y=1,text='open,x_size = 1,y_size = 1,angle=0,mirror=no\n"  // 19
      "rm -rf /\n"                                                        // 20
      "COM add_surf_strt\nCOM add_surf_poly_strt,x=0,y=0\n";              // ends inside
  const TDrawnFile F = ReadGenesisScript(Script);
  const std::string P = Problems(F);
  for (const char* Expected :
       {"12: unknown command COM frobnicate", "13: an item added before any work_layer",
        "14: layer nowhere is not in the matrix", "16: expected the key y",
        "17: symbol=oval100x200", "18: xs=1e400", "19: a quoted string whose closing quote",
        "20: expected a COM command", "22: the script ends inside the surface of line 21"})
    EXPECT_NE(P.find(Expected), std::string::npos) << Expected << "\n" << P;
}

// A converted board's macro and script read back as the pictures the check
// expects, and a pad taken out of them is found.
TEST(ScriptReaders, ConvertedBoardsReadBackAsExpected) {
  TScriptingPcb Board;
  test::AddLayers(Board, 3);
  TLayer& Top = Board.Layers.Items(0);
  test::AddLine(Top.Lines, kindLine, {0, 0}, {1000, 0}, 20);
  test::AddLine(Top.Lines, kindFilledRectangle, {0, 200}, {300, 400}, 1);
  test::AddArc(Top.Arcs, {500, 500}, {700, 500}, {500, 700}, 10);
  test::AddOutline(Top.Polygons.Add(), {{0, 600}, {400, 600}, {400, 900}});
  TPcbText& Text = Top.Texts.Add();
  Text = {800, 800, 90, 0, 100, 42, "AB1"};
  test::AddFlash(Board.Layers.Items(2).Flashes, 5, {300, 300});
  Board.Pins.Append(test::PinRow(4, 0.8, 1.6, shapeSquare));
  Board.PadTopLayer = 0;
  Board.PadBottomLayer = 1;
  Board.DrillLayer = 2;
  TWindow View;
  View.Left = -3;
  View.Bottom = -3;
  View.PxPerMm = 40;
  View.Width = View.Height = 20 * 40;
  for (const auto& [Format, Kind] :
       {std::pair{fmtCam350Macro, TScriptFormat::Cam350Macro},
        std::pair{fmtGenesis, TScriptFormat::GenesisScript}}) {
    Board.Convert(coAll, Format, 0.01);
    const std::string Text = Board.Output.Join("\r\n");
    const TDrawnFile F = Format == fmtGenesis ? ReadGenesisScript(Text) : ReadCam350Macro(Text);
    ASSERT_EQ(Problems(F), "") << Text;
    for (int L = 0; L < 3; ++L) {
      TRaster Expected(View.Width, View.Height), Ignore(View.Width, View.Height);
      TRaster Read(View.Width, View.Height);
      DrawExpectedScriptLayer(Board, Kind, coAll, L, View, Expected, Ignore);
      if (F.Layers.count(L)) PaintDrawnItems(F.Layers.at(L).Items, View, Read);
      const TComparison C = ComparePictures(Expected, Read, Ignore);
      EXPECT_TRUE(C.Blobs.empty() || C.Blobs.front().Across() <= 2)
          << "format " << int(Format) << " layer " << L << ": " << C.Pixels << " pixels";
    }
    // Without its pads, the top layer differs where the pad was.
    TDrawnFile Without = F;
    auto& Items = Without.Layers.at(0).Items;
    std::erase_if(Items, [](const TDrawnItem& I) { return std::holds_alternative<TDrawnPad>(I); });
    TRaster Expected(View.Width, View.Height), Ignore(View.Width, View.Height);
    TRaster Read(View.Width, View.Height);
    DrawExpectedScriptLayer(Board, Kind, coAll, 0, View, Expected, Ignore);
    PaintDrawnItems(Items, View, Read);
    EXPECT_FALSE(ComparePictures(Expected, Read, Ignore).Blobs.empty()) << int(Format);
  }
}

// The whole file's verdicts: missing, not a script, lines it cannot read, and
// one result per layer that names the layer and the reader.
TEST(ScriptCheck, ReportsTheFileAndEachLayer) {
  TScriptingPcb Board;
  test::AddLayers(Board, 2);
  test::AddLine(Board.Layers.Items(1).Lines, kindLine, {0, 0}, {1000, 0}, 20);
  Board.Convert(coAll, fmtCam350Macro, 0.01);
  TWindow View;
  View.Left = View.Bottom = -2;
  View.PxPerMm = 20;
  View.Width = View.Height = 14 * 20;
  test::TempDir Dir;
  TScriptCheck C{Board, coAll, View, 2, Dir.Path().string(), false};
  TOutputFile File{Dir.File("b.scr"), TOutputRole::Main};
  std::vector<TFileResult> R = CheckScriptFile(C, File);
  ASSERT_EQ(R.size(), 1u);
  EXPECT_EQ(R[0].Status, TFileStatus::Missing);
  EXPECT_EQ(R[0].Reader, "quillon");

  test::WriteFile(File.Path, "G04 not a macro*\n");
  R = CheckScriptFile(C, File);
  ASSERT_EQ(R.size(), 1u);
  EXPECT_EQ(R[0].Status, TFileStatus::Unreadable);

  std::string Macro = Board.Output.Join("\r\n");
  test::WriteFile(File.Path, Macro);
  R = CheckScriptFile(C, File);
  ASSERT_EQ(R.size(), 2u);
  for (const TFileResult& F : R) EXPECT_EQ(F.Status, TFileStatus::Passed) << F.Message;
  EXPECT_EQ(R[1].Message, "layer 1 (L1)");

  // The line moved to the first layer: both layers differ, each with its picture.
  Macro.replace(Macro.rfind("setlayer@ 1"), 11, "setlayer@ 0");
  test::WriteFile(File.Path, Macro + "\r\nbogus@\r\n");
  R = CheckScriptFile(C, File);
  ASSERT_EQ(R.size(), 3u);
  EXPECT_EQ(R[0].Status, TFileStatus::Unreadable);
  EXPECT_NE(R[0].Message.find("unknown command bogus@"), std::string::npos) << R[0].Message;
  for (int L = 0; L < 2; ++L) {
    EXPECT_EQ(R[1 + L].Status, TFileStatus::Differs);
    EXPECT_EQ(R[1 + L].Layer, L);
    EXPECT_TRUE(std::filesystem::exists(R[1 + L].Picture)) << R[1 + L].Picture;
  }
}

}  // namespace
}  // namespace quillon::check::scripts
