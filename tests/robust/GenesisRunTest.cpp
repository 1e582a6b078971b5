// SPDX-License-Identifier: MIT
// The Genesis script for a Unix host run by tcsh, with COM a stand-in that
// records each command it receives: the script must run to its end and
// deliver every plot text and layer name exactly as the board holds them,
// whatever bytes they contain.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ChildRun.h"
#include "support/PlotBuilder.h"
#include "support/TestFiles.h"
#include "text/AsciiCase.h"

namespace quillon::test {
namespace {

namespace fs = std::filesystem;

// COM writes its arguments joined by blanks, one command a line; "COM info"
// answers that the job does not exist yet, as Genesis would.
constexpr const char* ComStub =
    "#!/bin/sh\n"
    "printf '%s\\n' \"$*\" >> \"$COM_LOG\"\n"
    "case \"$1\" in info,) f=${2#out_file=}; f=${f%%,*}; echo 'set gEXISTS=no' > \"$f\";; esac\n";

class GenesisRun : public ::testing::Test {
 protected:
  // Runs the script; returns the recorded commands.
  std::string Run(const std::string& Plot, const std::vector<std::string>& More = {}) {
    std::vector<std::string> Args{"convert",        Plot,   "--format", "genesis",
                                  "--genesis-host", "unix", "-o",       Dir.File("board.csh")};
    Args.insert(Args.end(), More.begin(), More.end());
    const ChildResult R = RunCliChild(Args);
    EXPECT_EQ(R.ExitCode, 0) << R.Err;
    WriteFile(Dir.File("COM"), ComStub);
    fs::permissions(Dir.File("COM"), fs::perms::owner_all);
    const std::string Command = "cd '" + Dir.Path().string() +
                                "' && COM_LOG=com.log PATH=.:$PATH LC_ALL=C tcsh -f board.csh "
                                ">tcsh.out 2>&1";
    const int Status = std::system(Command.c_str());
    EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0) << ReadFile(Dir.File("tcsh.out"));
    return ReadFile(Dir.File("com.log"));
  }

  TempDir Dir;
};

TEST_F(GenesisRun, TheDemoBoardRunsToItsEnd) {
  const std::string Log = Run(SourcePath("examples/demo.plt"),
                              {"--pins", SourcePath("examples/demo-pins.txt"), "--answers", "yes"});
  EXPECT_NE(Log.find("add_pad,"), std::string::npos);
  EXPECT_NE(Log.find("add_text,"), std::string::npos);
  const std::string Last = "matrix_page_close,job=quillon,matrix=matrix\n";
  ASSERT_GE(Log.size(), Last.size());
  EXPECT_EQ(Log.substr(Log.size() - Last.size()), Last);
}

TEST_F(GenesisRun, EveryTextAndLayerNameArrivesUnchanged) {
  std::vector<std::string> Texts = {"!RESET", "R!#9", "a\\!b", "it's", "\"q\"", "$HOME",
                                    "`id`",   "a;b",  "x  y",  "!",    "\\",    "!!"};
  for (int Byte = 0x20; Byte <= 0xFF; Byte += 16) {
    std::string Chunk;
    for (int B = Byte; B < Byte + 16; ++B) Chunk += static_cast<char>(B);
    Texts.push_back(Chunk);
  }
  const std::vector<std::string> Names = {"!RST", "$A", "`b`", "a;b", "it's", "\"q\"", "R!#9"};
  std::vector<PlotLayer> Layers;
  for (std::size_t I = 0; I < Names.size(); ++I) Layers.emplace_back(Names[I], int(I) + 1);
  PlotBuilder P;
  P.Header().Layers(Layers).Line(0, 0, 10, 10, 2);
  for (const std::string& Text : Texts) P.Text(100, 100, Text);
  P.Save(Dir.File("hostile.plt"));

  const std::string Log = Run(Dir.File("hostile.plt"));
  for (const std::string& Text : Texts)
    EXPECT_NE(Log.find(",text=" + Text + ",x_size ="), std::string::npos) << Text;
  for (std::size_t I = 0; I < Names.size(); ++I)
    EXPECT_NE(Log.find(",layer=" + LowerAscii(Names[I]) + ",row=" + std::to_string(I + 1) + ","),
              std::string::npos)
        << Names[I];
  EXPECT_FALSE(fs::exists(Dir.File("pwned")));
}

TEST_F(GenesisRun, AJobOfItsOwnNameAndAMatrixTypedByRole) {
  const std::string Log = Run(SourcePath("examples/demo.plt"),
                              {"--pins", SourcePath("examples/demo-pins.txt"), "--answers", "yes",
                               "--genesis-job", "demo_2", "--genesis-matrix", "roles"});
  // Only this job is deleted and created: another board's job stays.
  EXPECT_NE(Log.find("create_entity,job=,is_fw=no,type=job,name=demo_2,"), std::string::npos);
  EXPECT_EQ(Log.find("=quillon"), std::string::npos);
  for (const char* Type : {"context=board,type=signal", "context=board,type=drill"})
    EXPECT_NE(Log.find(Type), std::string::npos) << Type;
  const std::string Last = "matrix_page_close,job=demo_2,matrix=matrix\n";
  ASSERT_GE(Log.size(), Last.size());
  EXPECT_EQ(Log.substr(Log.size() - Last.size()), Last);
}

TEST_F(GenesisRun, AJobNameThatCshOrGenesisWouldMisreadIsRefused) {
  for (const char* Bad : {"a;b", "Demo", ".x", ""}) {
    const ChildResult R = RunCliChild({"convert", SourcePath("examples/demo.plt"), "--format",
                                       "genesis", "--genesis-job", Bad, "-o", Dir.File("x.csh")});
    EXPECT_NE(R.ExitCode, 0) << Bad;
    EXPECT_NE(R.Err.find("--genesis-job"), std::string::npos) << R.Err;
    EXPECT_FALSE(fs::exists(Dir.File("x.csh")));
  }
}

}  // namespace
}  // namespace quillon::test
