// SPDX-License-Identifier: MIT
// Plot files built to hurt: counts the file cannot back, huge polygons and
// texts, megabytes of one unknown tag. Each must end with a clear outcome in
// time and memory that follow the file's length, never a count from inside
// it. (Larger sizes than these were tried by hand: see README, Robustness.)

#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <string>

#include "ChildRun.h"
#include "model/PlotError.h"
#include "script/ScriptPcb.h"
#include "support/PlotBuilder.h"
#include "support/TestFiles.h"

namespace quillon::test {
namespace {

// Processor time, which a loaded machine does not inflate.
struct Clock {
  static std::clock_t now() { return std::clock(); }
};
double SecondsSince(std::clock_t Start) {
  return static_cast<double>(std::clock() - Start) / CLOCKS_PER_SEC;
}

// Generous: the suite also runs under the sanitizers.
constexpr double TimeLimit = Sanitized ? 60.0 : 15.0;

class HostilePlot : public ::testing::Test {
 protected:
  std::string Save(const PlotBuilder& Plot) {
    Plot.Save(File());
    return File();
  }
  std::string File() const { return Tmp.File("hostile.plt"); }

  TempDir Tmp;
  TScriptingPcb Pcb;
};

TEST_F(HostilePlot, LayerCountOf65535InAShortFileStopsAtTheEnd) {
  PlotBuilder Plot;
  Plot.Header().LayerCount(65535);
  for (int I = 0; I < 3; ++I) Plot.LayerHeader({"L" + std::to_string(I), I});
  Plot.Raw("TOP");  // a fourth header cut short
  const auto Start = Clock::now();
  try {
    Pcb.LoadFromFile(Save(Plot));
    FAIL() << "the load did not stop";
  } catch (const TPlotError& E) {
    EXPECT_STREQ(E.what(), "Read beyond end of file");
    EXPECT_EQ(E.Offset, static_cast<std::int64_t>(Plot.Size()));
  }
  EXPECT_EQ(Pcb.Layers.Count(), 3);
  EXPECT_LT(SecondsSince(Start), 1.0);

  const ChildResult Info = RunCliChild({"info", File()});
  EXPECT_EQ(Info.ExitCode, 1);
  EXPECT_EQ(Info.Err, "EOF!!!!!\nquillon-cli: " + File() + ": Read beyond end of file (offset " +
                          std::to_string(Plot.Size()) + ")\n");
}

TEST_F(HostilePlot, AFileThatHolds65535LayersLoadsAndConverts) {
  PlotBuilder Plot;
  Plot.Header().LayerCount(65535);
  for (int I = 0; I < 65535; ++I) Plot.LayerHeader({"L" + std::to_string(I % 1000), I % 256});
  Plot.SelectLayer(255).Line(0, 0, 10, 10, 3);  // goes to the first layer numbered 255
  const auto Start = Clock::now();
  ASSERT_TRUE(Pcb.LoadFromFile(Save(Plot)));
  ASSERT_EQ(Pcb.Layers.Count(), 65535);
  EXPECT_EQ(Pcb.Layers.Items(255).Lines.Count(), 1);
  Pcb.Convert(coAll, fmtCam350Macro, 0.0254);
  Pcb.Convert(coAll, fmtGerber, 0.0254);
  EXPECT_EQ(Pcb.LayerOutputs.size(), 65535u);
  EXPECT_EQ(Pcb.LayerOutputs[65534][Pcb.LayerOutputs[65534].Count() - 1], "M02*");
  EXPECT_LT(SecondsSince(Start), TimeLimit);
}

TEST_F(HostilePlot, APolygonOfAQuarterMillionPointsLoadsAndConvertsInLinearTime) {
  constexpr int Points = 250000;
  PlotBuilder Plot;
  Plot.Header().Layers({{"GND", 1}}).BeginPolygon({0, 0});
  for (int I = 1; I < Points; ++I) Plot.Point({I % 30000, (I / 30000) * 7});
  Plot.Circle({5, 5, 100}).EndPolygon();
  Save(Plot);

  // The whole program first, while this process is still small (a child's
  // peak counts the memory it was forked with): its memory follows the
  // file's length, 1 MB here.
  const ChildResult Convert =
      RunCliChild({"convert", File(), "--format", "gerber", "-o", Tmp.File("out.scr")});
  EXPECT_EQ(Convert.ExitCode, 0) << Convert.Err;
  EXPECT_LT(Convert.MaxRssKb, (Sanitized ? 400 : 100) * 1024);

  const auto Start = Clock::now();
  ASSERT_TRUE(Pcb.LoadFromFile(File()));
  const TPcbComplexPolygon& Polygon = Pcb.Layers.Items(0).Polygons.Items(0);
  ASSERT_EQ(Polygon.OutLines.Count(), 1);
  EXPECT_EQ(Polygon.OutLines.Items(0).Lines.Count(), Points - 1);
  EXPECT_EQ(Polygon.OutLines.Items(0).Lines.Items(Points - 2).EndX, (Points - 1) % 30000);
  for (const std::uint8_t Format : {fmtCam350Macro, fmtGerber, fmtGenesis}) {
    Pcb.Convert(coPolygons, Format, 0.01);
    const TTextLines& Out = Format == fmtGerber ? Pcb.LayerOutputs[0] : Pcb.Output;
    EXPECT_GT(Out.Count(), Points) << int{Format};
  }
  EXPECT_LT(SecondsSince(Start), TimeLimit);
}

TEST_F(HostilePlot, TextsOfSixtyThousandCharactersGoOutWhole) {
  std::string Chars;
  for (int I = 0; I < 60000; ++I) Chars += static_cast<char>(1 + I % 255);  // every byte but 0
  const std::string Letters(59999, 'W');
  PlotBuilder Plot;
  Plot.Header().Layers({{"SILK", 1}}).Text(10, 20, Chars).Text(-5, 7, Letters, {.Size = 32895});
  const auto Start = Clock::now();
  ASSERT_TRUE(Pcb.LoadFromFile(Save(Plot)));
  ASSERT_EQ(Pcb.Layers.Items(0).Texts.Count(), 2);
  EXPECT_EQ(Pcb.Layers.Items(0).Texts.Items(0).Text, Chars);
  EXPECT_EQ(Pcb.Layers.Items(0).Texts.Items(1).Text, Letters);

  const auto HasLineWith = [](const TTextLines& Lines, const std::string& Piece) {
    for (int I = 0; I < Lines.Count(); ++I)
      if (Lines[I].find(Piece) != std::string_view::npos) return true;
    return false;
  };
  Pcb.Convert(coText, fmtCam350Macro, 0.0254);
  EXPECT_TRUE(HasLineWith(Pcb.Output, Letters));
  Pcb.Convert(coText, fmtGerber, 0.0254);  // the texts go to the macro beside the layer files
  EXPECT_TRUE(HasLineWith(Pcb.Output, Letters));
  Pcb.Convert(coText, fmtGenesis, 0.0254);
  EXPECT_TRUE(HasLineWith(Pcb.Output, "GetTextCharCount=60000"));
  EXPECT_TRUE(HasLineWith(Pcb.Output, ",text=" + Letters + ","));
  EXPECT_LT(SecondsSince(Start), TimeLimit);
}

// 0xFFFF is no tag: the reader skips it word by word. The program's memory
// must not grow with the count, and the time must stay linear.
TEST_F(HostilePlot, MegabytesOfOneUnknownTagGiveAWarningInBoundedMemory) {
  PlotBuilder Head;
  Head.Header().Layers({{"TOP", 1}});
  // Written a megabyte at a time, so that this process stays as small for the
  // second run as for the first (a child's peak counts what it was forked with).
  const auto Run = [&](std::size_t Megabytes) {
    std::ofstream Out(File(), std::ios::binary | std::ios::trunc);
    Out << Head.Str();
    const std::string Block(1 << 20, '\xFF');
    for (std::size_t I = 0; I < Megabytes; ++I) Out << Block;
    Out.close();
    return RunCliChild({"info", File()});
  };
  const ChildResult Small = Run(2);
  const ChildResult Large = Run(20);
  ASSERT_EQ(Large.ExitCode, 0) << Large.Err;
  EXPECT_EQ(Large.Err,
            "quillon-cli: " + File() + ": warning: 10485760 unrecognised tags skipped\n");
  EXPECT_NE(Large.Out.find("TOP"), std::string::npos);
  EXPECT_LT(Large.MaxRssKb - Small.MaxRssKb, 8 * 1024)
      << Small.MaxRssKb << " KB, then " << Large.MaxRssKb;
  EXPECT_LT(Large.CpuSeconds, TimeLimit);

  const ChildResult Convert = RunCliChild({"convert", File(), "-o", Tmp.File("out.scr")});
  EXPECT_EQ(Convert.ExitCode, 0);
  EXPECT_NE(Convert.Err.find(File() + ": warning: 10485760 unrecognised tags skipped"),
            std::string::npos)
      << Convert.Err;
}

}  // namespace
}  // namespace quillon::test
