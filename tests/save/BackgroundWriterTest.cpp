// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "save/BackgroundWriter.h"
#include "support/TestFiles.h"

namespace quillon {
namespace {

using namespace test;

TByteBuffer Bytes(const std::string& Text) {
  TByteBuffer B;
  B.Append(Text);
  return B;
}

TEST(BackgroundWriter, WritesEachFilesChunksInOrderAndHandsBuffersBack) {
  TempDir Dir;
  TAtomicFile A(Dir.File("a.txt"));
  TAtomicFile B(Dir.File("b.txt"));
  std::string ExpectedA, ExpectedB;
  {
    TBackgroundWriter Writer;
    for (int I = 0; I < 200; ++I) {
      const std::string Text(1000 + I, static_cast<char>('a' + I % 26));
      TByteBuffer Chunk = Bytes(Text);
      Writer.Write(I % 3 ? A : B, Chunk);
      EXPECT_TRUE(Chunk.Empty());
      (I % 3 ? ExpectedA : ExpectedB) += Text;
    }
    Writer.Finish();
  }
  A.Commit();
  B.Commit();
  EXPECT_EQ(ReadFile(Dir.File("a.txt")), ExpectedA);
  EXPECT_EQ(ReadFile(Dir.File("b.txt")), ExpectedB);
}

TEST(BackgroundWriter, AFailedWriteIsReportedAndNothingFollowsIt) {
  TAtomicFile Full("/dev/full", true);  // every write fails: no space
  TBackgroundWriter Writer;
  TByteBuffer Chunk = Bytes("x");
  bool Reported = false;
  try {
    for (int I = 0; I < 1000; ++I) {
      Chunk.Append("chunk");
      Writer.Write(Full, Chunk);
    }
    Writer.Finish();
  } catch (const TSaveError& E) {
    Reported = std::string(E.what()).find("/dev/full") != std::string::npos;
  }
  EXPECT_TRUE(Reported);
  EXPECT_THROW(Writer.Finish(), TSaveError);
  Chunk.Append("more");
  EXPECT_THROW(Writer.Write(Full, Chunk), TSaveError);
}

TEST(BackgroundWriter, StoppingDropsWhatWaitsAndLeavesNoFile) {
  TempDir Dir;
  {
    TAtomicFile File(Dir.File("c.txt"));
    TBackgroundWriter Writer;
    for (int I = 0; I < 50; ++I) {
      TByteBuffer Chunk = Bytes(std::string(100000, 'c'));
      Writer.Write(File, Chunk);
    }
  }  // the writer stops first, then the file that was never committed goes
  EXPECT_TRUE(std::filesystem::is_empty(Dir.File("")));
}

}  // namespace
}  // namespace quillon
