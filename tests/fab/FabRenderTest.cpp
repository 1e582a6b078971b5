// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>

#include "ExternalTools.h"
#include "RenderCompare.h"
#include "TestFiles.h"
#include "script/ScriptPcb.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

// The legacy and the fab files of one board, rendered alike by gerbv, show
// the same picture on every layer: the profiles differ in form, not in
// geometry.
TEST(FabRender, FabAndLegacyLayersLookTheSame) {
  TScriptingPcb Board;
  BuildRichBoard(Board);
  TempDir Dir;
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  const auto Legacy = Board.LayerOutputs;
  Board.GerberProfile = TGerberProfile::Fab;
  Board.Convert(coAll, fmtGerber, MillimetreScale);
  const RenderWindow Window = WindowAround(Board, MillimetreScale, 1200);
  for (int L = 0; L < Board.Layers.Count(); ++L) {
    const std::string Base = Dir.File(std::to_string(L));
    WriteFile(Base + "-legacy.gbr", Legacy[static_cast<std::size_t>(L)].Join());
    WriteFile(Base + "-fab.gbr", Board.LayerOutputs[static_cast<std::size_t>(L)].Join());
    Render(Base + "-legacy.gbr", Base + "-legacy.png", Window, Dir.Path().string());
    const std::string Err =
        Render(Base + "-fab.gbr", Base + "-fab.png", Window, Dir.Path().string());
    EXPECT_EQ(GerbvComplaints(Err), std::vector<std::string>{});
    const PixelDifference D = ComparePictures(Base + "-legacy.png", Base + "-fab.png");
    std::cout << "layer " << L << ": " << D.Differing << " of " << D.Total << " pixels differ, "
              << D.DrawnInFirst << " drawn\n";
    ASSERT_GT(D.Total, 0) << "layer " << L << ": no picture";
    EXPECT_LE(D.Fraction(), 0.005) << "layer " << L;
    // Rounding moves an edge by a pixel at most; a lost or added item shows
    // as many more pixels than that, even on a layer mostly poured.
    EXPECT_LE(D.Differing, std::max<long long>(50, D.Total / 2000)) << "layer " << L;
  }
}

}  // namespace
}  // namespace quillon::test
