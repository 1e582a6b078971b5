// SPDX-License-Identifier: MIT
// The demo board through quillon-cli convert, as `make demo` runs it: every
// Gerber file is accepted by an independent reader, and a second run writes
// the same bytes.

#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "script/GerberFileChecks.h"

namespace quillon::test {
namespace {

namespace fs = std::filesystem;

CommandResult ConvertDemo(const std::string& Format, const std::string& Out) {
  return RunCli("convert '" + SourcePath("examples/demo.plt") + "' --pins '" +
                SourcePath("examples/demo-pins.txt") + "' --format " + Format +
                " --answers yes-all -o '" + Out + "'");
}

std::vector<std::string> GerberFiles(const fs::path& Dir) {
  std::vector<std::string> Files;
  for (const auto& Entry : fs::directory_iterator(Dir))
    if (Entry.path().extension() == ".gbr") Files.push_back(Entry.path().string());
  std::sort(Files.begin(), Files.end());
  return Files;
}

TEST(ConvertDemo, EveryGerberLayerFileIsAcceptedByGerbv) {
  ASSERT_TRUE(HaveGerbv()) << "gerbv is missing: run make deps";
  TempDir Dir;
  const CommandResult R = ConvertDemo("gerber", Dir.File("demo.scr"));
  ASSERT_EQ(R.ExitCode, 0) << R.Err;
  const std::vector<std::string> Files = GerberFiles(Dir.Path());
  ASSERT_EQ(Files.size(), 6u);
  for (const std::string& File : Files) {
    CheckGerberStructure(File, ReadFile(File));
    CheckWithGerbv(File);
  }
}

TEST(ConvertDemo, EveryFormatTwiceGivesTheSameBytes) {
  for (const std::string Format : {"cam350", "gerber", "genesis"}) {
    TempDir First, Second;
    ASSERT_EQ(ConvertDemo(Format, First.File("demo.out")).ExitCode, 0) << Format;
    ASSERT_EQ(ConvertDemo(Format, Second.File("demo.out")).ExitCode, 0) << Format;
    std::size_t Files = 0;
    for (const auto& Entry : fs::directory_iterator(First.Path())) {
      const std::string Name = Entry.path().filename();
      EXPECT_EQ(ReadFile(First.File(Name)), ReadFile(Second.File(Name))) << Format << " " << Name;
      ++Files;
    }
    EXPECT_EQ(Files, Format == "gerber" ? 7u : 1u) << Format;
  }
}

}  // namespace
}  // namespace quillon::test
