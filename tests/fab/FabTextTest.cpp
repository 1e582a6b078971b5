// SPDX-License-Identifier: MIT
// Texts in the fab files: drawn as the strokes of the stroke font with a pen
// whose function fits the layer, bad texts left out with a warning naming
// them, and the demo's labels visible where their boxes lie.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <string>

#include "ExternalTools.h"
#include "RenderCompare.h"
#include "TestFiles.h"
#include "font/TextExtent.h"
#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/ScriptedPrompts.h"
#include "support/TestBoards.h"
#include "text/Units.h"

namespace quillon::test {
namespace {

bool Has(const std::vector<std::string>& Lines, const std::string& Line) {
  return std::find(Lines.begin(), Lines.end(), Line) != Lines.end();
}
std::size_t CountEnding(const std::vector<std::string>& Lines, const std::string& End) {
  return static_cast<std::size_t>(std::count_if(
      Lines.begin(), Lines.end(), [&](const std::string& L) { return L.ends_with(End); }));
}

class FabTextTest : public ::testing::Test {
 protected:
  FabTextTest() {
    Board.Title = "t";
    Board.GerberProfile = TGerberProfile::Fab;
    Board.SetPrompts(&Prompts);
    AddRoleLayers(Board);
  }
  ~FabTextTest() override { Board.SetPrompts(nullptr); }
  std::vector<std::string> File(int L) const {
    return LinesOf(Board.LayerOutputs[static_cast<std::size_t>(L)]);
  }
  TScriptingPcb Board;
  TScriptedPrompts Prompts;
};

TEST_F(FabTextTest, CopperTextsAreDrawnWithANonConductorPenOfTheMacrosWidth) {
  TLayer& Top = Board.Layers.Items(0);
  AddLine(Top, kindLine, {0, 0}, {1000, 0}, 10);  // a conductor of the text pen's width
  AddText(Top, "R1", {500, 500}, 200, 34);
  AddText(Board.Layers.Items(1), "SOLDER", {500, 500}, 200, 34, 0, 1);
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  const std::vector<std::string> Lines = File(0);
  // The 0.1 mm aperture serves the conductor and, under a D-code of its
  // own, the text: one function per aperture.
  EXPECT_TRUE(Has(Lines, "%TA.AperFunction,NonConductor*%"));
  const auto Function = std::find(Lines.begin(), Lines.end(), "%TA.AperFunction,NonConductor*%");
  ASSERT_NE(Function + 1, Lines.end());
  EXPECT_TRUE(Function[1].starts_with("%ADD") && Function[1].ends_with("C,0.1*%")) << Function[1];
  EXPECT_GT(CountEnding(Lines, "D01*"), 10u);
  // The mirrored text on the bottom copper is drawn too.
  EXPECT_GT(CountEnding(File(1), "D01*"), 20u);
  EXPECT_TRUE(Prompts.Notes.empty());
}

TEST_F(FabTextTest, TheMacroIsTheSameWithTextsDrawnInTheFabFiles) {
  AddText(Board.Layers.Items(0), "R1", {500, 500}, 200, 34);
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  const std::vector<std::string> Fab = LinesOf(Board.Output);
  Board.GerberProfile = TGerberProfile::Legacy;
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  EXPECT_EQ(Fab, LinesOf(Board.Output));
}

TEST_F(FabTextTest, TheItemSwitchLeavesTextsOut) {
  AddText(Board.Layers.Items(0), "R1", {500, 500}, 200, 34);
  Board.Convert(coAll & ~coText, fmtGerber, MillimetreScale);
  EXPECT_EQ(CountEnding(File(0), "D01*"), 0u);
}

TEST_F(FabTextTest, BadTextsAreLeftOutOrDrawnInPartWithOneWarningNamingThem) {
  TLayer& Top = Board.Layers.Items(0);
  AddText(Top, "OK", {500, 500}, 200, 34);
  AddText(Top, "ZERO", {500, 500}, 0, 34);
  AddText(Top, "NEG", {500, 500}, -200, 34);
  AddText(Top, "", {500, 500}, 200, 34);
  AddText(Top, "HUGE", {500, 500}, 2000000000, 34);
  AddText(Top, std::string("A\x01\x98Z"), {500, 500}, 200, 34);
  AddText(Top, std::string(255, 'W'), {500, 500}, 200, 34);
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  ASSERT_EQ(Prompts.Notes.size(), 1u);
  const std::string& Note = Prompts.Notes[0];
  for (const char* Expected :
       {"Layer 0 \"COMP\", text 1: size 0", "text 2: size -200", "text 3: no characters",
        "text 4: size 2000000000 puts it beyond", "text 5: 2 character(s) without a glyph"})
    EXPECT_NE(Note.find(Expected), std::string::npos) << Expected << " in\n" << Note;
  EXPECT_EQ(Note.find("text 0"), std::string::npos);
  EXPECT_EQ(Note.find("text 6"), std::string::npos);
  // The huge text did not widen the coordinate format.
  EXPECT_TRUE(Has(File(0), "%FSLAX46Y46*%"));
}

TEST_F(FabTextTest, AFloodOfBadTextsIsSummedUp) {
  for (int I = 0; I < 50; ++I) AddText(Board.Layers.Items(2), "", {0, 0}, 100, 34);
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  ASSERT_EQ(Prompts.Notes.size(), 1u);
  EXPECT_NE(Prompts.Notes[0].find("... and 30 more."), std::string::npos);
}

// Where gerbv puts a board point in a picture of Window: it fits the window
// with a margin of its own, so the mapping is measured from two marks.
struct PixelMap {
  double X0 = 0, Sx = 1, Y0 = 0, Sy = 1;  // pixel = 0 + S * millimetres
  int X(double Mm) const { return static_cast<int>(std::lround(X0 + Sx * Mm)); }
  int Y(double Mm) const { return static_cast<int>(std::lround(Y0 + Sy * Mm)); }
};

PixelMap MeasureMap(const RenderWindow& Window, const TempDir& Dir) {
  const double Left = Window.Left * 25.4, Bottom = Window.Bottom * 25.4;
  const double A[2] = {Left + 5, Bottom + 5}, B[2] = {Left + 25, Bottom + 15};
  auto Units = [](double Mm) { return std::to_string(std::llround(Mm * 1e6)); };
  WriteFile(Dir.File("marks.gbr"), "%FSLAX46Y46*%\n%MOMM*%\n%ADD10C,0.5*%\nD10*\nX" + Units(A[0]) +
                                       "Y" + Units(A[1]) + "D03*\nX" + Units(B[0]) + "Y" +
                                       Units(B[1]) + "D03*\nM02*\n");
  Render(Dir.File("marks.gbr"), Dir.File("marks.png"), Window, Dir.Path().string());
  const QImage P = QImage(QString::fromStdString(Dir.File("marks.png")));
  // The centre of each mark's ink.
  double Sum[2][3] = {};
  for (int Y = 0; Y < P.height(); ++Y)
    for (int X = 0; X < P.width(); ++X)
      if (qGray(P.pixel(X, Y)) >= 128) {
        double(&S)[3] = Sum[X > 15 * Window.Dpi / 25.4 ? 1 : 0];  // marks 20 mm apart
        S[0] += X, S[1] += Y, S[2] += 1;
      }
  PixelMap M;
  if (Sum[0][2] == 0 || Sum[1][2] == 0) return M;
  const double Ax = Sum[0][0] / Sum[0][2], Ay = Sum[0][1] / Sum[0][2];
  const double Bx = Sum[1][0] / Sum[1][2], By = Sum[1][1] / Sum[1][2];
  M.Sx = (Bx - Ax) / (B[0] - A[0]), M.X0 = Ax - M.Sx * A[0];
  M.Sy = (By - Ay) / (B[1] - A[1]), M.Y0 = Ay - M.Sy * A[1];
  return M;
}

// The demo's fab package rendered by gerbv: every text of the legend and of
// the bottom copper puts ink inside its box.
TEST(FabDemoTexts, EveryLabelOfTheLegendAndTheBottomCopperShows) {
  TempDir Dir;
  const CommandResult Run = RunCli("convert " + Quoted(SourcePath("examples/demo.plt")) +
                                   " --pins " + Quoted(SourcePath("examples/demo-pins.txt")) +
                                   " --format gerber --gerber-profile fab --answers yes-all -o " +
                                   Quoted(Dir.File("demo.scr")));
  ASSERT_EQ(Run.ExitCode, 0) << Run.Err;
  TScriptingPcb Board;
  ASSERT_TRUE(Board.LoadFromFile(SourcePath("examples/demo.plt")));
  const double Scale = DefaultDbuFactor;
  // A window around the board and every text box: some labels lie beside it.
  RenderWindow Window = WindowAround(Board, Scale, 1500);
  double Left = Window.Left * 25.4, Bottom = Window.Bottom * 25.4;
  double Right = Left + Window.Width * 25.4 / Window.Dpi;
  double Top = Bottom + Window.Height * 25.4 / Window.Dpi;
  for (const TLayer& Layer : Board.Layers)
    for (const TPcbText& Text : Layer.Texts)
      for (const font::TPointMm& C : font::EstimateTextExtent(Text, Scale).Corners) {
        Left = std::min(Left, C.X - 2), Right = std::max(Right, C.X + 2);
        Bottom = std::min(Bottom, C.Y - 2), Top = std::max(Top, C.Y + 2);
      }
  Window.Left = Left / 25.4, Window.Bottom = Bottom / 25.4;
  Window.Width = static_cast<int>(std::ceil((Right - Left) / 25.4 * Window.Dpi));
  Window.Height = static_cast<int>(std::ceil((Top - Bottom) / 25.4 * Window.Dpi));

  const PixelMap Map = MeasureMap(Window, Dir);
  ASSERT_GT(Map.Sx, 0);
  ASSERT_LT(Map.Sy, 0);
  int Checked = 0;
  for (const auto& [Name, LayerName] :
       {std::pair<std::string, std::string>{"demo.GTO", "SILK"}, {"demo.GBL", "SOLDER"}}) {
    const std::string Png = Dir.File(Name + ".png");
    Render(Dir.File(Name), Png, Window, Dir.Path().string());
    const QImage Picture =
        QImage(QString::fromStdString(Png)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(Picture.isNull()) << Name;
    const TLayer* Layer = nullptr;
    for (const TLayer& L : Board.Layers)
      if (L.Name == LayerName) Layer = &L;
    ASSERT_NE(Layer, nullptr) << LayerName;
    for (const TPcbText& Text : Layer->Texts) {
      SCOPED_TRACE(Name + ": " + Text.Text);
      const font::TTextExtent E = font::EstimateTextExtent(Text, Scale);
      double X0 = 1e300, X1 = -1e300, Y0 = 1e300, Y1 = -1e300;
      for (const font::TPointMm& C : E.Corners)
        X0 = std::min(X0, C.X), X1 = std::max(X1, C.X), Y0 = std::min(Y0, C.Y),
        Y1 = std::max(Y1, C.Y);
      long Lit = 0, All = 0;
      for (int Y = std::max(0, Map.Y(Y1)); Y <= std::min(Picture.height() - 1, Map.Y(Y0)); ++Y)
        for (int X = std::max(0, Map.X(X0)); X <= std::min(Picture.width() - 1, Map.X(X1));
             ++X, ++All)
          Lit += qGray(Picture.pixel(X, Y)) >= 128;
      EXPECT_GT(All, 0);
      // Strokes, not a filled box: some ink, far from all of it.
      EXPECT_GT(Lit, All / 20);
      EXPECT_LT(Lit, All * 3 / 4);
      ++Checked;
    }
  }
  EXPECT_GE(Checked, 3);
}

}  // namespace
}  // namespace quillon::test
