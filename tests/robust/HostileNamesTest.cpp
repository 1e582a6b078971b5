// SPDX-License-Identifier: MIT
// Names and texts from outside the program (the plot's path, layer names,
// plot texts, pin sizes) must not change the structure of the files they land
// in: no line of their own, no Gerber command ended early, no shell history
// expansion, no infinite size; and the Gerber regions are closed.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ChildRun.h"
#include "support/PlotBuilder.h"
#include "support/TestFiles.h"

namespace quillon::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> SplitLines(const std::string& Text, const std::string& Eol = "\r\n") {
  std::vector<std::string> Lines;
  std::size_t From = 0;
  for (std::size_t End; (End = Text.find(Eol, From)) != std::string::npos; From = End + Eol.size())
    Lines.push_back(Text.substr(From, End - From));
  if (From < Text.size()) Lines.push_back(Text.substr(From));
  return Lines;
}

bool HasLine(const std::vector<std::string>& Lines, const std::string& Line) {
  return std::find(Lines.begin(), Lines.end(), Line) != Lines.end();
}

class HostileNames : public ::testing::Test {
 protected:
  // A path with line breaks and Gerber delimiters, layer names with them too.
  std::string Board() {
    PlotBuilder P;
    P.Header()
        .Layers({{"A\nB", 1}, {"*IPNEG", 2}, {"C%\rD", 3}})
        .Line(0, 0, 10, 10, 2)
        .FilledRectangle(100, 200, 300, 400)
        .Text(5, 5, "x\ntouch TEXT")
        .Text(5, 9, "!RESET")
        .Text(5, 13, "R!#9");
    const std::string Plot = In.File("board 50%*\ntouch INJECTED\n.plt");
    P.Save(Plot);
    return Plot;
  }
  std::string Convert(const std::string& Format, const std::vector<std::string>& More = {}) {
    std::vector<std::string> Args{"convert", Board(), "--format",
                                  Format,    "-o",    Out.File("out." + Format)};
    Args.insert(Args.end(), More.begin(), More.end());
    const ChildResult R = RunCliChild(Args);
    EXPECT_EQ(R.ExitCode, 0) << R.Err;
    return ReadFile(Out.File("out." + Format));
  }

  TempDir In;
  TempDir Out;
};

TEST_F(HostileNames, LineBreaksFromOutsideBecomeQuestionMarksInEveryFormat) {
  Convert("cam350");
  Convert("gerber");
  for (const auto& Entry : fs::directory_iterator(Out.Path())) {
    const std::vector<std::string> Lines = SplitLines(ReadFile(Entry.path()));
    for (const std::string& Line : Lines) {
      EXPECT_EQ(Line.find_first_of(std::string("\r\n\0", 3)), std::string::npos)
          << Entry.path() << ": " << Line;
      EXPECT_NE(Line.rfind("touch", 0), 0u) << Entry.path();
    }
  }
  const std::vector<std::string> Macro = SplitLines(ReadFile(Out.File("out.cam350")));
  EXPECT_TRUE(HasLine(Macro, "; Plt FileName: " + In.File("board 50%*?touch INJECTED?.plt")));
  EXPECT_TRUE(HasLine(Macro, "edit_layer@ 0,1,1,4,0,\"A?B\""));
  EXPECT_TRUE(HasLine(Macro, "addtext@ 0.13,0.13,0.13,0.13,\"x?touch TEXT\""));

  // Inside the script's quoted values line breaks were blanks already.
  const std::vector<std::string> Script = SplitLines(Convert("genesis"));
  EXPECT_TRUE(
      HasLine(Script, "# Plt FileName: " + In.File("board 50%*?touch INJECTED?.plt") + " "));
  for (const std::string& Line : Script) EXPECT_NE(Line.rfind("touch", 0), 0u) << Line;
}

TEST_F(HostileNames, GerberCommentsAndLayerNamesCannotEndTheirCommand) {
  Convert("gerber");
  const std::vector<std::string> Layer1 = SplitLines(ReadFile(Out.File("1*IPNEG.gbr")));
  EXPECT_TRUE(HasLine(Layer1, "%LN_IPNEG*%"));
  EXPECT_TRUE(
      HasLine(Layer1, "G04 Plt FileName: " + In.File("board 50__?touch INJECTED?.plt") + " *"));
  EXPECT_TRUE(HasLine(SplitLines(ReadFile(Out.File("2C%_D.gbr"))), "%LNC_?D*%"));
}

// Inside single quotes tcsh still expands "!": "!RESET" would stop the script.
TEST_F(HostileNames, GenesisTextsEscapeTheHistoryCharacter) {
  const std::string Script = Convert("genesis");
  EXPECT_NE(Script.find(",text='\\!RESET',"), std::string::npos);
  EXPECT_NE(Script.find(",text='R\\!#9',"), std::string::npos);
}

// A filled rectangle's contour ends where it starts.
TEST_F(HostileNames, FilledRectanglesAreClosedRegions) {
  Convert("gerber");
  const std::vector<std::string> Lines = SplitLines(ReadFile(Out.File("0A_B.gbr")));
  const auto Begin = std::find(Lines.begin(), Lines.end(), "G36*");
  ASSERT_NE(Begin, Lines.end());
  ASSERT_GE(Lines.end() - Begin, 7);
  EXPECT_EQ(Begin[1], "G00X002540Y005080D02*");
  EXPECT_EQ(Begin[5], "G01X002540Y005080D01*");
  EXPECT_EQ(Begin[6], "G37*");
}

TEST_F(HostileNames, UnixHostScriptsHaveLfLineEndsAndUnixPaths) {
  const std::string Windows = Convert("genesis");
  const std::string Unix = Convert("genesis", {"--genesis-host", "unix"});
  EXPECT_EQ(Unix.find('\r'), std::string::npos);
  EXPECT_EQ(Unix.find("C:"), std::string::npos);
  std::vector<std::string> Expected = SplitLines(Windows);
  for (std::string& Line : Expected)
    if (const auto At = Line.find("C:/tmp/"); At != std::string::npos) Line.erase(At, 2);
  EXPECT_EQ(SplitLines(Unix, "\n"), Expected);
  EXPECT_NE(Unix.find("\nsource /tmp/quillon_var\n"), std::string::npos);
}

TEST_F(HostileNames, PinSizesThatAreNotFiniteAreSkippedNotWrittenAsInf) {
  WriteFile(In.File("pins.txt"), "1  " + std::string(400, '9') + "  1.8\n");
  PlotBuilder P;
  P.Header().Layers({{"COMP", 1}, {"PIN", 2}}).SelectLayer(2).Flash(1, 10, 10);
  P.Save(In.File("pads.plt"));
  for (const char* Format : {"cam350", "gerber", "genesis"}) {
    const ChildResult R =
        RunCliChild({"convert", In.File("pads.plt"), "--pins", In.File("pins.txt"), "--answers",
                     "yes", "--format", Format, "-o", Out.File("pads")});
    EXPECT_EQ(R.ExitCode, 0) << R.Err;
    for (const auto& Entry : fs::directory_iterator(Out.Path()))
      EXPECT_EQ(ReadFile(Entry.path()).find("INF"), std::string::npos) << Format << Entry.path();
  }
  const ChildResult Pins = RunCliChild({"pins", In.File("pins.txt"), "--verbose"});
  EXPECT_NE(Pins.Err.find("line 1 skipped"), std::string::npos) << Pins.Err;
}

}  // namespace
}  // namespace quillon::test
