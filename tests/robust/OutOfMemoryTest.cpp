// SPDX-License-Identifier: MIT
// Memory that runs out is an error with a message, never an abort: a line
// being built when an allocation fails is dropped cleanly, and the program
// ends with exit 1 and a clear message.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <new>
#include <string>

#include "ChildRun.h"
#include "support/PlotBuilder.h"
#include "support/TestFiles.h"
#include "text/TextLines.h"

namespace quillon::test {
namespace {

struct TFailingPiece {};
LineBuilder& operator<<(LineBuilder& L, TFailingPiece) {
  L << "half";
  throw std::bad_alloc();
}

TEST(OutOfMemory, ALineWhosePieceFailsIsDroppedAndTheListStaysUsable) {
  TTextLines Lines;
  Lines.Add("first");
  EXPECT_THROW(LineBuilder(Lines) << "a " << TFailingPiece{}, std::bad_alloc);
  LineBuilder(Lines) << "second";
  ASSERT_EQ(Lines.Count(), 2);
  EXPECT_EQ(Lines[0], "first");
  EXPECT_EQ(Lines[1], "second");
}

// Ever less address space for a conversion: each run either succeeds or ends
// with the message and exit 1, never with an abort; the smallest runs out.
// The fab package is built whole in memory (a save that streams would not
// run out).
TEST(OutOfMemory, AConversionThatRunsOutEndsWithAMessage) {
  if (Sanitized) GTEST_SKIP() << "the sanitizer reserves far more address space";
  TempDir Dir;
  PlotBuilder Plot;
  Plot.Header().Layers({{"TOP", 1}});
  for (int I = 0; I < 300000; ++I) Plot.Line(I % 30000, I / 30000, I % 29999, 7, 1 + I % 50);
  Plot.Save(Dir.File("big.plt"));
  int OutOfMemory = 0;
  for (const std::int64_t Mb : {1024, 512, 384, 320, 256, 192, 160, 128, 96}) {
    const ChildResult R = RunCliChild({"convert", Dir.File("big.plt"), "-o", Dir.File("out.scr"),
                                       "--format", "gerber", "--gerber-profile", "fab"},
                                      {.AddressSpaceBytes = Mb << 20});
    EXPECT_EQ(R.Err.find("terminate"), std::string::npos) << Mb << " MB: " << R.Err;
    if (R.ExitCode == 0) continue;
    if (R.Err.find("error while loading shared libraries") != std::string::npos) break;
    EXPECT_EQ(R.ExitCode, 1) << Mb << " MB: " << R.Err;
    EXPECT_EQ(R.Err, "quillon-cli: out of memory\n") << Mb << " MB";
    ++OutOfMemory;
  }
  EXPECT_GT(OutOfMemory, 0);
}

}  // namespace
}  // namespace quillon::test
