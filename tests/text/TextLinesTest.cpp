// SPDX-License-Identifier: MIT
// Lines written in place into the list's buffer: long lines that outgrow the
// room a line starts with, lines interrupted by an exception, and the bytes
// of a streaming list.

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>

#include "text/ByteBuffer.h"
#include "text/TextLines.h"

namespace quillon {
namespace {

TEST(ByteBuffer, KeepsOnlyWhatIsKeptAndKeepsItWhenItGrows) {
  TByteBuffer B;
  char* Room = B.Room(4);
  Room[0] = 'a';
  Room[1] = 'b';
  B.KeepTo(Room + 2);
  EXPECT_EQ(B.View(), "ab");
  // Bytes written in the room but not kept yet survive a larger room.
  Room = B.Room(3);
  Room[0] = 'c';
  Room = B.Room(100000);
  EXPECT_EQ(Room[0], 'c');
  B.KeepTo(Room + 1);
  EXPECT_EQ(B.View(), "abc");
  TByteBuffer Copy = B;
  B.Append("def");
  EXPECT_EQ(Copy.View(), "abc");
  EXPECT_EQ(B.View(), "abcdef");
  TByteBuffer Moved = std::move(B);
  EXPECT_EQ(Moved.View(), "abcdef");
  Moved.Truncate(2);
  EXPECT_EQ(Moved.View(), "ab");
  EXPECT_THROW(Moved.Room(std::numeric_limits<std::size_t>::max() - 1), std::bad_alloc);
  EXPECT_EQ(Moved.View(), "ab");
}

TEST(TextLines, ALineLongerThanItsFirstRoomIsWrittenWhole) {
  TTextLines L;
  const std::string Long(1000, 'x');
  L.Add("before");
  {
    LineBuilder B(L);
    B << "start ";
    for (int I = 0; I < 50; ++I) B << Long.substr(0, 37) << I << ',';
    B << Long << std::string_view("") << 'e';
  }
  std::string Expected = "start ";
  for (int I = 0; I < 50; ++I) Expected += Long.substr(0, 37) + std::to_string(I) + ",";
  Expected += Long + "e";
  ASSERT_EQ(L.Count(), 2);
  EXPECT_EQ(L[0], "before");
  EXPECT_EQ(L[1], Expected);
  LineBuilder(L) << Fix{1e300, 2, 4} << PaddedInt{-5, 4, 2};
  EXPECT_EQ(L[2].substr(L[2].size() - 7), ".00 -05");
}

TEST(TextLines, ALineInterruptedByAnExceptionIsDropped) {
  TTextLines L;
  L.Add("kept");
  const auto Fails = []() -> std::string { throw std::runtime_error("no"); };
  EXPECT_THROW(LineBuilder(L) << "half " << Fails(), std::runtime_error);
  LineBuilder(L) << "next";
  ASSERT_EQ(L.Count(), 2);
  EXPECT_EQ(L.Join(), "kept\r\nnext\r\n");
}

struct TCollectingSink final : TLineSink {
  void Take(TByteBuffer& Chunk) override {
    All += Chunk.View();
    Chunk.Clear();
  }
  std::string All;
};

TEST(TextLines, AStreamingListWritesEveryLineEnd) {
  for (const std::string_view Eol : {"\r\n", "\n", ""}) {
    TCollectingSink Sink;
    TTextLines L;
    L.StreamTo(&Sink, Eol);
    std::string Expected;
    for (int I = 0; I < 100000; ++I) {
      LineBuilder(L) << "line " << I;
      L.Add("added");
      L.Open() += "opened";
      L.Close();
      Expected += "line " + std::to_string(I) + std::string(Eol) + "added" + std::string(Eol) +
                  "opened" + std::string(Eol);
    }
    L.Flush();
    EXPECT_EQ(Sink.All, Expected);
    EXPECT_EQ(L.Count(), 300000);
  }
  TTextLines L;
  EXPECT_THROW(L.StreamTo(nullptr, "123456789"), std::invalid_argument);
}

}  // namespace
}  // namespace quillon
