// SPDX-License-Identifier: MIT
// The bundled demo board converted to a Genesis script and compared with the
// reviewed script in golden/demo.csh. A mismatch leaves the new script in the
// build tree for a line diff.

#include <gtest/gtest.h>

#include <cstdlib>

#include "TestFiles.h"
#include "script/ScriptPcb.h"
#include "support/ScriptedPrompts.h"

namespace quillon::test {
namespace {

// As the window would convert it: layers chosen by name, the pins read with
// their default layout and units in millimetres, Inch units (0.0254 mm per
// unit), and Yes to the question about the test point the description lacks.
std::string DemoScript(TScriptedPrompts& Prompts) {
  TScriptingPcb Pcb;
  EXPECT_TRUE(Pcb.LoadFromFile(SourcePath("examples/demo.plt")));
  Pcb.Pins.Parse(ReadFile(SourcePath("examples/demo-pins.txt")), layoutHoleAper);
  Pcb.Title = "Plt FileName: examples/demo.plt";
  Pcb.PadTopLayer = 0;      // COMP
  Pcb.PadBottomLayer = 1;   // SOLDER
  Pcb.MaskTopLayer = 4;     // MSKGTP
  Pcb.MaskBottomLayer = 5;  // MSKGBT
  Pcb.DrillLayer = 3;       // PIN
  Pcb.SetPrompts(&Prompts);
  Pcb.Convert(coAll, fmtGenesis, 0.0254);
  Pcb.SetPrompts(nullptr);
  return Pcb.Output.Join("\n");
}

TEST(GenesisDemo, ScriptMatchesTheReviewedGolden) {
  TScriptedPrompts Prompts({TAnswer::Yes});
  const std::string Script = DemoScript(Prompts);
  EXPECT_EQ(Prompts.Asked.size(), 1u);
  const std::string Golden = ReadFile(SourcePath("tests/genesis/golden/demo.csh"));
  if (Script != Golden) {
    const std::string Actual = std::string(QUILLON_BINARY_DIR) + "/demo-actual.csh";
    WriteFile(Actual, Script);
    ADD_FAILURE() << "the demo script differs from golden/demo.csh; see " << Actual;
  }
}

TEST(GenesisDemo, ScriptIsValidCsh) {
  TScriptedPrompts Prompts({TAnswer::Yes});
  TempDir Dir;
  WriteFile(Dir.File("demo.csh"), DemoScript(Prompts));
  const std::string Out = Dir.File("tcsh-output");
  const int Status =
      std::system(("tcsh -n '" + Dir.File("demo.csh") + "' >'" + Out + "' 2>&1").c_str());
  EXPECT_EQ(Status, 0) << ReadFile(Out);
  EXPECT_EQ(ReadFile(Out), "");
}

}  // namespace
}  // namespace quillon::test
