// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QXmlStreamReader>

#include "PlotBuilder.h"
#include "TestFiles.h"

namespace quillon::test {
namespace {

bool WellFormed(const std::string& Xml) {
  QXmlStreamReader X(QByteArray::fromStdString(Xml));
  while (!X.atEnd()) X.readNext();
  return !X.hasError();
}

// One layer with one line from (0, 0) to (10, 5) mm, 0.1 mm wide: the view
// is its 10.1 x 5.1 mm with 1 mm around.
std::string SmallPlot(const TempDir& Dir) {
  const std::string Plot = Dir.File("small.plt");
  PlotBuilder().Header().Layers({{"COMP", 1}}).SelectLayer(1).Line(0, 0, 1000, 500, 10).Save(Plot);
  return Plot;
}

TEST(PreviewCli, WritesTheSvgAndSaysWhatItHolds) {
  TempDir Dir;
  const std::string Plot = SmallPlot(Dir), Svg = Dir.File("small.svg");
  const CommandResult R = RunCli("preview '" + Plot + "' -o '" + Svg + "' --dbu mm");
  EXPECT_EQ(R.ExitCode, 0) << R.Err;
  EXPECT_EQ(R.Out, "Wrote " + Svg + ": 1 layer, 1 item, 12.10 x 7.10 mm\n");
  EXPECT_EQ(R.Err, "");
  const std::string Text = ReadFile(Svg);
  EXPECT_TRUE(WellFormed(Text));
  EXPECT_NE(Text.find("<path id=\"l0-line-0\" d=\"M0 0 L10 -5\" fill=\"none\" "
                      "stroke-width=\"0.1\"/>"),
            std::string::npos);

  // Inch database units stretch the same board; like convert and the window,
  // preview starts with them.
  for (const std::string Dbu : {" --dbu INCH", ""}) {
    EXPECT_EQ(RunCli("preview '" + Plot + "' -o '" + Svg + "'" + Dbu).ExitCode, 0);
    EXPECT_NE(ReadFile(Svg).find("d=\"M0 0 L25.4 -12.7\""), std::string::npos) << Dbu;
  }
  EXPECT_EQ(RunCli("preview '" + Plot + "' -o '" + Svg + "' --dbu 0.1").ExitCode, 0);
  EXPECT_NE(ReadFile(Svg).find("d=\"M0 0 L100 -50\""), std::string::npos);
}

TEST(PreviewCli, TheDemoBoardWithItsPinsHasOneUndefinedPin) {
  TempDir Dir;
  const std::string Svg = Dir.File("demo.svg");
  const CommandResult R =
      RunCli("preview '" + SourcePath("examples/demo.plt") + "' --pins '" +
             SourcePath("examples/demo-pins.txt") + "' -o '" + Svg + "' --layers PIN,comp");
  EXPECT_EQ(R.ExitCode, 0) << R.Err;
  EXPECT_EQ(R.Err,
            "quillon-cli: warning: 1 flash has no pin description row: marked with a "
            "magenta cross\n");
  const std::string Text = ReadFile(Svg);
  EXPECT_TRUE(WellFormed(Text));
  const std::size_t Pin = Text.find("<g id=\"layer-3\""), Comp = Text.find("<g id=\"layer-0\"");
  EXPECT_LT(Pin, Comp);  // in the order asked
  EXPECT_EQ(Text.find("<g id=\"layer-1\""), std::string::npos);

  // Without a description every flash is marked.
  const CommandResult Bare =
      RunCli("preview '" + SourcePath("examples/demo.plt") + "' -o '" + Svg + "' --layers 3");
  EXPECT_EQ(Bare.ExitCode, 0);
  EXPECT_EQ(Bare.Err,
            "quillon-cli: warning: 22 flashes have no pin description row: marked "
            "with a magenta cross\n");
}

TEST(PreviewCli, PngIsRenderedBesideTheSvg) {
  TempDir Dir;
  const std::string Plot = SmallPlot(Dir), Svg = Dir.File("small.svg");
  const CommandResult R =
      RunCli("preview '" + Plot + "' -o '" + Svg + "' --png --dpi 254 --dbu mm");
  ASSERT_EQ(R.ExitCode, 0) << R.Err;
  const std::string SvgLine = "Wrote " + Svg + ": 1 layer, 1 item, 12.10 x 7.10 mm\n";
  if (R.Err.empty()) {
    // 12.1 x 7.1 mm at 10 dots per millimetre.
    EXPECT_EQ(R.Out, SvgLine + "Wrote " + Dir.File("small.png") + ": 121 x 71 pixels at 254 dpi\n");
    EXPECT_EQ(ReadFile(Dir.File("small.png")).substr(0, 8), "\x89PNG\r\n\x1A\n");
  } else {  // built without Qt SVG
    EXPECT_EQ(R.Out, SvgLine);
    EXPECT_EQ(R.Err, "quillon-cli: this build has no Qt SVG to render " + Dir.File("small.png") +
                         "; wrote the SVG only\n");
  }
  const CommandResult Big = RunCli("preview '" + Plot + "' -o '" + Svg + "' --png --dpi 4800");
  EXPECT_EQ(Big.ExitCode, 0);  // 2287 x 1342 pixels is still fine
}

TEST(PreviewCli, UsageErrorsExitWithTwoAndFailuresWithOne) {
  TempDir Dir;
  const std::string Plot = SmallPlot(Dir), Svg = Dir.File("x.svg");
  struct Case {
    std::string Args;
    int Exit;
    std::string ErrStart;
  } Cases[] = {
      {"preview '" + Plot + "'", 2, ""},
      {"preview '" + Plot + "' -o '" + Svg + "' --dbu cm", 2, ""},
      {"preview '" + Plot + "' -o '" + Svg + "' --dbu -1", 2, ""},
      {"preview '" + Plot + "' -o '" + Svg + "' --dpi 300", 2, ""},
      {"preview '" + Plot + "' -o '" + Svg + "' --png --dpi 0", 2, ""},
      {"preview '" + Plot + "' -o '" + Dir.File("x.png") + "' --png", 2,
       "quillon-cli: -o names the SVG file"},
      {"preview '" + Plot + "' -o '" + Svg + "' --layers TOP", 2,
       "quillon-cli: --layers: no layer named 'TOP' (layers: 0 COMP)\n"},
      {"preview '" + Plot + "' -o '" + Svg + "' --layers 1", 2,
       "quillon-cli: --layers: no layer with index 1 (layers: 0 COMP)\n"},
      {"preview '" + Dir.File("none.plt") + "' -o '" + Svg + "'", 1,
       "quillon-cli: " + Dir.File("none.plt") + ": "},
      {"preview '" + Plot + "' -o '" + Dir.File("no/such/dir/x.svg") + "'", 1,
       "quillon-cli: Cannot write \"" + Dir.File("no/such/dir/x.svg") + "\": "},
      {"preview '" + Plot + "' -o '" + Svg + "' --pins '" + Dir.File("none.txt") + "'", 1,
       "quillon-cli: cannot read the pin description"},
  };
  for (const Case& C : Cases) {
    const CommandResult R = RunCli(C.Args);
    EXPECT_EQ(R.ExitCode, C.Exit) << C.Args << "\n" << R.Err;
    EXPECT_EQ(R.Err.rfind(C.ErrStart, 0), 0u) << C.Args << "\n" << R.Err;
  }
}

TEST(PreviewCli, ABrokenPlotFileIsReportedNotDrawn) {
  TempDir Dir;
  const std::string Plot = Dir.File("cut.plt"), Svg = Dir.File("cut.svg");
  PlotBuilder B;
  B.Header().Layers({{"COMP", 1}}).Line(0, 0, 10, 10, 1);
  B.SavePrefix(Plot, B.Size() - 3);
  const CommandResult R = RunCli("preview '" + Plot + "' -o '" + Svg + "'");
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_NE(R.Err.find("Read beyond end of file"), std::string::npos) << R.Err;
  EXPECT_FALSE(std::filesystem::exists(Svg));

  PlotBuilder().Word(0x1234).Save(Plot);
  EXPECT_EQ(RunCli("preview '" + Plot + "' -o '" + Svg + "'").ExitCode, 1);
}

}  // namespace
}  // namespace quillon::test
