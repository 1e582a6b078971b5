// SPDX-License-Identifier: MIT
// The bundled demo board: what `make demo` shows, and that the committed file
// is what its generator writes.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>

#include "TestFiles.h"

namespace quillon::test {
namespace {

const std::string DemoPlot = SourcePath("examples/demo.plt");

TEST(InfoDemo, TableOfTheDemoBoard) {
  const CommandResult R = RunCli("info '" + DemoPlot + "'");
  EXPECT_EQ(R.ExitCode, 0);
  EXPECT_EQ(R.Err, "");
  const std::string Table =
      "Version:  4.0\n"
      "Extents:  0, 0, 2000, 1500 (left, top, right, bottom)\n"
      "Scale:    1.000\n"
      "Layers:   6\n"
      "\n"
      "Index  Name    Number  Attribute  Lines  Rectangles  Filled  Arcs  Texts  Flashes  "
      "Polygons\n"
      "    0  COMP         1          0     10           1       1     1      0        0         "
      "0\n"
      "    1  SOLDER       2          0      6           0       0     1      1        0         "
      "1\n"
      "    2  SILK         3          0      0           3       0     2      8        0         "
      "0\n"
      "    3  PIN          4          0      0           0       0     0      0       22         "
      "0\n"
      "    4  MSKGTP       5          0      0           0       1     0      0        0         "
      "0\n"
      "    5  MSKGBT       6          0      0           0       0     0      0        0         "
      "0\n"
      "       Total                         16           4       2     4      9       22         "
      "1\n";
  EXPECT_EQ(R.Out, "File:     " + DemoPlot + "\n" + Table);
}

// The demo shows every kind of item the writers handle.
TEST(InfoDemo, DemoBoardHasEveryKindOfItem) {
  const CommandResult R = RunCli("info '" + DemoPlot + "' --json");
  ASSERT_EQ(R.ExitCode, 0);
  const nlohmann::json J = nlohmann::json::parse(R.Out);
  std::set<int> Rotations, Justifications, Pins, Widths;
  bool Mirrored = false, FullCircle = false;
  int VoidOutlines = 0, VoidCircles = 0;
  for (const auto& Layer : J["Layers"]) {
    for (const auto& T : Layer["Texts"]) {
      Rotations.insert(T["Rotation"].get<int>());
      Justifications.insert(T["Justification"].get<int>());
      Mirrored = Mirrored || T["Mirror"] != 0;
    }
    for (const auto& L : Layer["Lines"]) Widths.insert(L["Width"].get<int>());
    for (const auto& A : Layer["Arcs"])
      FullCircle = FullCircle || (A["StartX"] == A["EndX"] && A["StartY"] == A["EndY"]);
    for (const auto& F : Layer["Flashes"]) Pins.insert(F["PinNumber"].get<int>());
    for (const auto& P : Layer["Polygons"]) {
      VoidOutlines += static_cast<int>(P["OutLines"].size()) - 1;
      VoidCircles += static_cast<int>(P["Circles"].size());
    }
  }
  EXPECT_EQ(Rotations, (std::set<int>{0, 90, 180, 270}));
  EXPECT_GE(Justifications.size(), 5u);
  EXPECT_TRUE(Mirrored);
  EXPECT_TRUE(FullCircle);
  EXPECT_GE(Widths.size(), 4u);
  EXPECT_EQ(Pins, (std::set<int>{1, 2, 3, 4, 5, 9}));
  EXPECT_GE(VoidOutlines, 1);
  EXPECT_GE(VoidCircles, 1);
}

TEST(InfoDemo, CommittedDemoIsWhatTheGeneratorWrites) {
  const std::string Generator = std::string(QUILLON_BINARY_DIR) + "/make-demo-board";
  if (!std::filesystem::exists(Generator)) GTEST_SKIP() << "make-demo-board not built";
  TempDir Tmp;
  const std::string Fresh = Tmp.File("demo.plt");
  ASSERT_EQ(std::system(("'" + Generator + "' '" + Fresh + "' >/dev/null").c_str()), 0);
  EXPECT_EQ(ReadFile(Fresh), ReadFile(DemoPlot))
      << "examples/demo.plt is stale: rebuild it with make-demo-board";
}

}  // namespace
}  // namespace quillon::test
