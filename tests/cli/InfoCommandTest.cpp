// SPDX-License-Identifier: MIT
// `quillon-cli info`: the table, the JSON board, and how every outcome of a
// load reaches the user.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "PlotBuilder.h"
#include "TestFiles.h"

namespace quillon::test {
namespace {

using nlohmann::json;

class InfoCommand : public ::testing::Test {
 protected:
  std::string Save(const PlotBuilder& Plot, const std::string& Name = "board.plt") {
    const std::string File = Tmp.File(Name);
    Plot.Save(File);
    return File;
  }
  std::string SaveBytes(const std::string& Bytes) {
    const std::string File = Tmp.File("board.plt");
    WriteFile(File, Bytes);
    return File;
  }
  static CommandResult Info(const std::string& File, const std::string& Extra = "") {
    return RunCli("info '" + File + "'" + Extra);
  }

  TempDir Tmp;
};

PlotBuilder TwoLayerBoard() {
  PlotBuilder P;
  P.Header(3, {10, 20, 30000, 40000}, 2540).Layers({{"COMP", 1, 5}, {"SOLDER", 2}});
  P.Line(0, 0, 100, 0, 10).Line(0, 0, 0, 100, 0).Rectangle(0, 0, 5, 5, 1);
  P.FilledRectangle(1, 2, 3, 4, 0x1234).ArcByPoints({0, 0}, {5, 0}, {0, 5}, 2);
  P.SelectLayer(2).Text(7, 8, "GND", {.Rotation = 90, .Mirror = true, .Size = 138});
  P.Flash(3, -100, 200, 1).Flash(4, 0, 0);
  P.Polygon({{{{0, 0}, {50, 0}, {0, 0}}, {{1, 1}, {2, 2}}}, {{10, 20, 5}}, 9});
  return P;
}

TEST_F(InfoCommand, TableOfLayersAndCounts) {
  const std::string File = Save(TwoLayerBoard());
  const CommandResult R = Info(File);
  EXPECT_EQ(R.ExitCode, 0);
  EXPECT_EQ(R.Err, "");
  EXPECT_EQ(R.Out,
            "File:     " + File +
                "\n"
                "Version:  2.0\n"
                "Extents:  10, 20, 30000, 40000 (left, top, right, bottom)\n"
                "Scale:    2.540\n"
                "Layers:   2\n"
                "\n"
                "Index  Name    Number  Attribute  Lines  Rectangles  Filled  Arcs  Texts  "
                "Flashes  Polygons\n"
                "    0  COMP         1          5      2           1       1     1      0        "
                "0         0\n"
                "    1  SOLDER       2          0      0           0       0     0      1        "
                "2         1\n"
                "       Total                          2           1       1     1      1        "
                "2         1\n");
}

TEST_F(InfoCommand, NamesWithOddBytesStayReadable) {
  PlotBuilder P;
  P.Header(9).LayerCount(1).Raw({'A', 0x01, 0xC2, '\\', 'Z', 'Q', 3, 0});
  const CommandResult R = Info(Save(P));
  EXPECT_EQ(R.ExitCode, 0);
  EXPECT_NE(R.Out.find("Version:  Неизвестная версия!\n"), std::string::npos);
  EXPECT_NE(R.Out.find("    0  A\\x01\\xC2\\x5CZQ       3"), std::string::npos) << R.Out;
}

TEST_F(InfoCommand, JsonHoldsTheWholeBoard) {
  const CommandResult R = Info(Save(TwoLayerBoard()), " --json");
  ASSERT_EQ(R.ExitCode, 0) << R.Err;
  const json J = json::parse(R.Out);
  EXPECT_EQ(J["Result"], true);
  EXPECT_EQ(J["Version"], "2.0");
  EXPECT_EQ(J["Extents"], json({10, 20, 30000, 40000}));
  EXPECT_EQ(J["Scale"], 2.54);
  ASSERT_EQ(J["Layers"].size(), 2u);
  const json& Comp = J["Layers"][0];
  EXPECT_EQ(Comp["Name"], "COMP");
  EXPECT_EQ(Comp["Number"], 1);
  EXPECT_EQ(Comp["Attribute"], 5);
  ASSERT_EQ(Comp["Lines"].size(), 4u);
  EXPECT_EQ(Comp["Lines"][0], json({{"StartX", 0},
                                    {"StartY", 0},
                                    {"EndX", 100},
                                    {"EndY", 0},
                                    {"Width", 10},
                                    {"Kind", 0x80A8},
                                    {"AttributeLow", 0},
                                    {"StyleWord", 0}}));
  EXPECT_EQ(Comp["Lines"][1]["Width"], 1);
  EXPECT_EQ(Comp["Lines"][2]["Kind"], 0x80A7);
  EXPECT_EQ(Comp["Lines"][3]["StyleWord"], 0x1234);
  EXPECT_EQ(Comp["Arcs"][0], json({{"CenterX", 0},
                                   {"CenterY", 0},
                                   {"StartX", 5},
                                   {"StartY", 0},
                                   {"EndX", 0},
                                   {"EndY", 5},
                                   {"Width", 2},
                                   {"AttributeLow", 0}}));
  const json& Solder = J["Layers"][1];
  EXPECT_EQ(Solder["Texts"][0], json({{"X", 7},
                                      {"Y", 8},
                                      {"Rotation", 90},
                                      {"Mirror", 4},
                                      {"Size", 138},
                                      {"Justification", 34},
                                      {"Text", "GND"}}));
  EXPECT_EQ(Solder["Flashes"][0],
            json({{"PinNumber", 3}, {"Rotation", 90}, {"X", -100}, {"Y", 200}}));
  const json& Poly = Solder["Polygons"][0];
  EXPECT_EQ(Poly["Attribute"], 9);
  ASSERT_EQ(Poly["OutLines"].size(), 2u);
  EXPECT_EQ(Poly["OutLines"][0]["Lines"].size(), 2u);
  EXPECT_EQ(Poly["OutLines"][0]["Lines"][1]["StartX"], 50);
  EXPECT_EQ(Poly["OutLines"][1]["Lines"][0]["EndY"], 2);
  EXPECT_EQ(Poly["Circles"][0]["StartX"], 15);
  EXPECT_EQ(Poly["Circles"][0]["CenterY"], 20);
  // Keys in the model's order, not sorted.
  EXPECT_LT(R.Out.find("\"Result\""), R.Out.find("\"Version\""));
  EXPECT_LT(R.Out.find("\"Version\""), R.Out.find("\"Extents\""));
  EXPECT_LT(R.Out.find("\"Name\""), R.Out.find("\"Number\""));
}

TEST_F(InfoCommand, JsonStringsKeepEveryByte) {
  PlotBuilder P;
  P.Header(7).Layers({{"\xCA\xC2", 1}}).Text(0, 0, "\xEA\xE2\x7F\xFF");
  const CommandResult R = Info(Save(P), " --json");
  ASSERT_EQ(R.ExitCode, 0);
  const json J = json::parse(R.Out);
  EXPECT_EQ(J["Version"], "Неизвестная версия!");
  EXPECT_EQ(J["Layers"][0]["Name"], "\u00CA\u00C2");
  EXPECT_EQ(J["Layers"][0]["Texts"][0]["Text"], "\u00EA\u00E2\u007F\u00FF");
}

TEST_F(InfoCommand, UnrecognisedTagsWarnAndSucceed) {
  PlotBuilder P;
  P.Header().Layers({{"TOP", 1}}).Word(0x1111).Line(0, 0, 1, 1, 1).Word(0x2222).Word(0x3333);
  const std::string File = Save(P);
  const CommandResult R = Info(File);
  EXPECT_EQ(R.ExitCode, 0);
  EXPECT_EQ(R.Err, "quillon-cli: " + File + ": warning: 3 unrecognised tags skipped\n");
  EXPECT_NE(R.Out.find("    0  TOP         1          0      1"), std::string::npos) << R.Out;
  const CommandResult J = Info(File, " --json");
  EXPECT_EQ(J.ExitCode, 0);
  EXPECT_EQ(json::parse(J.Out)["Result"], false);
}

TEST_F(InfoCommand, ReaderMessagesGoToStderr) {
  PlotBuilder P;
  P.Header().Layers({{"TOP", 1}}).BeginPolygon({0, 0}).Circle({0, 0, 1}).Word(0x4444).Word(0);
  const CommandResult R = Info(Save(P));
  EXPECT_EQ(R.ExitCode, 0);
  EXPECT_EQ(R.Err, "Ошибка при чтении полигонов!\n");
  EXPECT_NE(R.Out.find("Layers:   1\n"), std::string::npos);
}

TEST_F(InfoCommand, EndOfFileStopsWithOffset) {
  PlotBuilder P;
  P.Header().Layers({{"TOP", 1}}).Line(0, 0, 1, 1, 1);
  const std::string File = SaveBytes(P.Prefix(P.Size() - 3));
  for (const char* Extra : {"", " --json"}) {
    const CommandResult R = Info(File, Extra);
    EXPECT_EQ(R.ExitCode, 1);
    EXPECT_EQ(R.Out, "");
    EXPECT_EQ(R.Err, "EOF!!!!!\nquillon-cli: " + File + ": Read beyond end of file (offset 37)\n");
  }
}

TEST_F(InfoCommand, StoppingErrorsExitOne) {
  PlotBuilder Zero;
  Zero.Header().LayerCount(0);
  std::string File = Save(Zero);
  CommandResult R = Info(File);
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err, "quillon-cli: " + File + ": Range check error (offset 16)\n");

  PlotBuilder Assert;
  Assert.Header().Layers({{"TOP", 1}}).BeginPolygon({0, 0}).NextOutline({0, 0}, 1);
  File = Save(Assert);
  R = Info(File);
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err, "quillon-cli: " + File + ": Assertion failure (offset 38)\n");

  File = Tmp.File("missing.plt");
  R = Info(File);
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Out, "");
  EXPECT_EQ(R.Err, "quillon-cli: " + File + ": Cannot open file \"" + File +
                       "\". No such file or directory\n");
}

TEST_F(InfoCommand, WrongSignatureExitsOne) {
  const std::string File = SaveBytes("GIF89a..........");
  const CommandResult R = Info(File);
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Out, "");
  EXPECT_EQ(R.Err, "Неправильная сигнатура файла!\nquillon-cli: " + File +
                       ": not a plot file (wrong signature)\n");
}

TEST_F(InfoCommand, MissingFileArgumentIsAUsageError) {
  const CommandResult R = RunCli("info");
  EXPECT_EQ(R.ExitCode, 2);
  EXPECT_EQ(R.Out, "");
  EXPECT_NE(R.Err.find("PLOT"), std::string::npos);
}

}  // namespace
}  // namespace quillon::test
