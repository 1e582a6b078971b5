// SPDX-License-Identifier: MIT
// Whole Genesis scripts put through the C shell: the script must stay valid
// csh, and each command must receive its text exactly as the plot gave it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <limits>

#include "TestFiles.h"
#include "script/ScriptPcb.h"
#include "support/OutputLines.h"
#include "support/ScriptedPrompts.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

struct TShellRun {
  int ExitCode = -1;
  std::string Output;  // standard output and error together
};

// Runs Command with /bin/sh; Dir receives the captured output.
TShellRun Shell(const TempDir& Dir, const std::string& Command) {
  const std::string Out = Dir.File("shell-output");
  const int Status = std::system((Command + " >'" + Out + "' 2>&1").c_str());
  return {WIFEXITED(Status) ? WEXITSTATUS(Status) : -1, ReadFile(Out)};
}

TShellRun CheckSyntax(const TempDir& Dir, const std::string& Script) {
  const std::string File = Dir.File("check.csh");
  WriteFile(File, Script);
  return Shell(Dir, "tcsh -n '" + File + "'");
}

// A board with every kind of item on it, texts with csh metacharacters among
// them, and pin rows for some of its flashes.
void FillBoard(TScriptingPcb& Pcb) {
  for (const char* Name : {"COMP", "SOLDER", "PIN", "SILK"}) AddLayer(Pcb, Name, 0);
  TLayer& Comp = Pcb.Layers.Items(0);
  AddLine(Comp, kindLine, {100, 200}, {300, 200}, 10);
  AddLine(Comp, kindRectangle, {0, 0}, {500, 400}, 5);
  AddLine(Comp, kindFilledRectangle, {600, 600}, {700, 650}, 1);
  AddArc(Comp.Arcs, {0, 0}, {100, 0}, {0, 100}, 8);
  AddArc(Comp.Arcs, {50, 50}, {60, 50}, {60, 50}, 0);
  TPcbComplexPolygon& Polygon = Comp.Polygons.Add();
  AddOutline(Polygon, {{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}});
  AddOutline(Polygon, {{100, 100}, {200, 100}, {200, 200}});
  AddArc(Polygon.Circles, {500, 500}, {550, 500}, {550, 500}, 0);
  TLayer& Pin = Pcb.Layers.Items(2);
  AddFlash(Pin, 1, {100, 100});
  AddFlash(Pin, 2, {-200, 300});
  AddFlash(Pin, 9, {400, -500});  // undefined
  TLayer& Silk = Pcb.Layers.Items(3);
  AddText(Silk, "U1", {100, 100}, 60, 34);
  AddText(Silk, "R* it's", {200, 100}, 60, 42, 90);
  AddText(Silk, "$HOME `touch pwned`; a#b", {300, 100}, 60, 26, 180, 4);
  AddText(Silk, "", {400, 100}, 60, 43, 270);
  Pcb.Pins.Append(PinRow(0, 0.8, 1.5, shapeCircle));
  Pcb.Pins.Append(PinRow(1, 0.6, 1.2, shapeSquare));
  Pcb.PadTopLayer = 0;
  Pcb.PadBottomLayer = 1;
  Pcb.DrillLayer = 2;
}

TEST(GenesisScript, WholeConversionIsValidCsh) {
  TScriptingPcb Pcb;
  FillBoard(Pcb);
  TScriptedPrompts Prompts({TAnswer::Yes});
  Pcb.SetPrompts(&Prompts);
  Pcb.Convert(coAll, fmtGenesis, 0.0254);
  Pcb.SetPrompts(nullptr);

  const std::string Script = Pcb.Output.Join("\n");
  for (const char* Command :
       {"COM add_surf_strt", "COM add_pad", "COM add_line", "COM add_polyline", "COM add_arc",
        "COM add_text", "COM matrix_page_close"})
    EXPECT_NE(Script.find(Command), std::string::npos) << Command;
  TempDir Dir;
  const TShellRun Run = CheckSyntax(Dir, Script);
  EXPECT_EQ(Run.ExitCode, 0) << Run.Output;
  EXPECT_EQ(Run.Output, "");
  // As saved, with carriage returns, it parses too.
  EXPECT_EQ(CheckSyntax(Dir, Pcb.Output.Join("\r\n")).ExitCode, 0);
}

TEST(GenesisScript, SyntaxCheckCatchesABrokenScript) {
  TempDir Dir;
  const TShellRun Run = CheckSyntax(Dir, "COM add_text,text=it's\n");
  EXPECT_NE(Run.ExitCode, 0);
  EXPECT_NE(Run.Output.find("Unmatched"), std::string::npos);
}

// Runs the text writer's lines with a stand-in COM that logs the command text
// it receives: what Genesis would be given.
TEST(GenesisScript, CommandsReceiveTextsExactlyAsPlotted) {
  const std::vector<std::string> Texts = {"U1",
                                          "R*",
                                          "it's",
                                          "$HOME `touch pwned`; a#b",
                                          "50% & (more)!",
                                          "{a,b} ~x \"q\" \\",
                                          "\xCF\xEB\xE0\xF2\xE0"};
  TScriptingPcb Pcb;
  TLayer& Layer = AddLayer(Pcb, "SILK", 0);
  for (const std::string& Text : Texts) AddText(Layer, Text, {1000, 2000}, 100, 34);
  Pcb.Scale = 0.01;
  Pcb.AddViewCommands = false;
  Pcb.MakeGenesisText();

  TempDir Dir;
  WriteFile(Dir.File("COM"), "#!/bin/sh\nprintf '%s\\n' \"$*\" >> COM.log\n");
  std::filesystem::permissions(Dir.File("COM"), std::filesystem::perms::owner_all);
  WriteFile(Dir.File("script.csh"), Pcb.Output.Join("\n"));
  const TShellRun Run =
      Shell(Dir, "cd '" + Dir.Path().string() + "' && PATH=.:$PATH tcsh -f script.csh");
  ASSERT_EQ(Run.ExitCode, 0) << Run.Output;

  std::vector<std::string> Expected = {"display_layer,name=silk,display=yes,number=1",
                                       "work_layer,name=silk"};
  for (const std::string& Text : Texts)
    Expected.push_back("add_text,attributes=no,type=string,x=10.00,y=20.00,text=" + Text +
                       ",x_size = 0.61,y_size = 0.81,w_factor=1,polarity=positive,angle=0,"
                       "mirror=no,fontname=standard,ver=1");
  EXPECT_EQ(ReadFile(Dir.File("COM.log")), Joined(Expected));
  EXPECT_FALSE(std::filesystem::exists(Dir.File("pwned")));
}

// Values no plot reader produces, but that a board built in code may hold:
// the writers must neither overflow nor read out of bounds.
TEST(GenesisScript, ExtremeItemValuesAreWrittenWithoutFault) {
  constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
  TScriptingPcb Pcb;
  TLayer& Layer = AddLayer(Pcb, "TOP", 0);
  AddFlash(Layer, Min, {Min, Max});
  AddText(Layer, "X", {Min, Max}, Max, 255, Min, 255);
  AddLine(Layer, kindLine, {Min, Max}, {Max, Min}, Max);
  AddArc(Layer.Arcs, {Min, Min}, {Max, Max}, {Min, Max}, Min);
  TScriptedPrompts Prompts({TAnswer::Yes});
  Pcb.SetPrompts(&Prompts);
  Pcb.Convert(coAll, fmtGenesis, 0.0254);
  Pcb.SetPrompts(nullptr);
  ASSERT_EQ(Prompts.Asked.size(), 1u);
  EXPECT_NE(Prompts.Asked[0].find("Pin# (2147483647)"), std::string::npos);
  const std::string Script = Pcb.Output.Join("\n");
  EXPECT_NE(Script.find("# AppertureNumber = -2147483648\n"), std::string::npos);
  EXPECT_NE(Script.find(",angle=-2147483648,mirror=yes,"), std::string::npos);
}

}  // namespace
}  // namespace quillon::test
