// SPDX-License-Identifier: MIT
// The preview's PNG is drawn straight from the board: what it shows matches
// the SVG's colours and place, and drawing it takes memory for the picture,
// not for a document of every item.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QColor>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ChildRun.h"
#include "preview/Palette.h"
#include "support/PlotBuilder.h"
#include "support/TestFiles.h"

namespace quillon::test {
namespace {

int Blend(std::uint8_t Layer, std::uint8_t Background) {
  return static_cast<int>(Layer * 0.75 + Background * 0.25 + 0.5);
}

TEST(PreviewPng, AFilledRectangleIsDrawnInItsLayerColourOverTheBackground) {
  TempDir Dir;
  PlotBuilder P;
  // 10 x 10 mm with --dbu mm; the view adds a 1 mm margin: 12 x 12 mm.
  P.Header().Layers({{"SILK", 1}}).FilledRectangle(0, 0, 1000, 1000);
  P.Save(Dir.File("b.plt"));
  const ChildResult R = RunCliChild({"preview", Dir.File("b.plt"), "-o", Dir.File("b.svg"), "--png",
                                     "--dpi", "254", "--dbu", "mm"});
  ASSERT_EQ(R.ExitCode, 0) << R.Err;
  QImage Image;
  ASSERT_TRUE(Image.load(QString::fromStdString(Dir.File("b.png"))));
  EXPECT_EQ(Image.size(), QSize(120, 120));
  TPcb Board;
  Board.Layers.Add().Name = "SILK";
  const preview::TRgb Layer = preview::LayerColour(Board, 0);
  const preview::TRgb Back = preview::BackgroundColour;
  const QColor Centre = Image.pixelColor(60, 60);
  EXPECT_NEAR(Centre.red(), Blend(Layer.R, Back.R), 2);
  EXPECT_NEAR(Centre.green(), Blend(Layer.G, Back.G), 2);
  EXPECT_NEAR(Centre.blue(), Blend(Layer.B, Back.B), 2);
  const QColor Corner = Image.pixelColor(3, 3);
  EXPECT_EQ(Corner, QColor(Back.R, Back.G, Back.B));
}

// A board of many lines at a low resolution: the PNG adds little to the
// memory the SVG took (it once rendered the SVG document, many times its size).
// Loading the painter module (and Qt) costs the same for any board: what a
// board of one item adds is allowed on top.
TEST(PreviewPng, ThePictureTakesMemoryForItsPixelsOnly) {
  TempDir Dir;
  PlotBuilder Big;
  Big.Header().Layers({{"COMP", 1}});
  for (int I = 0; I < 200000; ++I) Big.Line(I % 30000, I / 30000, I % 29999, 7, 1 + I % 50);
  Big.Save(Dir.File("big.plt"));
  PlotBuilder Small;
  Small.Header().Layers({{"COMP", 1}}).Line(0, 0, 29999, 7, 1);
  Small.Save(Dir.File("small.plt"));
  const auto Run = [&](const char* Plot, bool Png) {
    std::vector<std::string> Args{"preview", Dir.File(Plot), "-o", Dir.File("out.svg")};
    if (Png) Args.insert(Args.end(), {"--png", "--dpi", "10"});
    const ChildResult R = RunCliChild(Args);
    EXPECT_EQ(R.ExitCode, 0) << R.Err;
    return R.MaxRssKb;
  };
  const long Painter = Run("small.plt", true) - Run("small.plt", false);
  const long Svg = Run("big.plt", false);
  EXPECT_LT(Run("big.plt", true), Svg + Painter + 30000) << Svg << " " << Painter;
}

// The painter is a module the program loads only for a PNG. A program whose
// module is missing or broken says so, fails, and still writes the SVG;
// everything else works without it.
TEST(PreviewPng, AMissingOrBrokenPainterModuleIsReportedAndTheSvgStillWritten) {
  TempDir Dir;
  PlotBuilder P;
  P.Header().Layers({{"SILK", 1}}).FilledRectangle(0, 0, 1000, 1000);
  P.Save(Dir.File("b.plt"));
  const std::string Program = Dir.File("quillon-cli");
  std::filesystem::copy_file(QUILLON_CLI_PATH, Program);
  const auto Run = [&](const std::string& Args) {
    const std::string Command = "'" + Program + "' " + Args + " >'" + Dir.File("out.txt") +
                                "' 2>'" + Dir.File("err.txt") + "'";
    const int Status = std::system(Command.c_str());
    return WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
  };
  const std::string Preview = "preview '" + Dir.File("b.plt") + "' -o '" + Dir.File("b.svg") + "'";
  EXPECT_EQ(Run("info '" + Dir.File("b.plt") + "'"), 0);
  EXPECT_EQ(Run(Preview + " --png"), 1);
  EXPECT_NE(ReadFile(Dir.File("err.txt")).find("quillon-png.so is missing"), std::string::npos)
      << ReadFile(Dir.File("err.txt"));
  EXPECT_TRUE(std::filesystem::exists(Dir.File("b.svg")));
  EXPECT_FALSE(std::filesystem::exists(Dir.File("b.png")));

  WriteFile(Dir.File("quillon-png.so"), "not a module");
  EXPECT_EQ(Run(Preview + " --png"), 1);
  EXPECT_NE(ReadFile(Dir.File("err.txt")).find("could not be loaded"), std::string::npos)
      << ReadFile(Dir.File("err.txt"));
}

}  // namespace
}  // namespace quillon::test
