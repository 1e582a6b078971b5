// SPDX-License-Identifier: MIT
// Block reading must look exactly like reading one byte at a time, wherever
// the block boundaries fall.

#include "PlotLoadFixture.h"
#include "model/PlotByteReader.h"

namespace quillon::test {
namespace {

TEST(PlotByteReader, SameBytesAndEndForEveryBlockSize) {
  TempDir Tmp;
  std::string Bytes;
  for (int i = 0; i < 23; ++i) Bytes.push_back(static_cast<char>(i * 11));
  WriteFile(Tmp.File("bytes"), Bytes);
  for (std::size_t Block : {1u, 2u, 3u, 5u, 22u, 23u, 24u, 4096u}) {
    RecordingPrompts Prompts;
    TPlotByteReader In(Tmp.File("bytes"), Prompts, Block);
    std::string Read;
    while (!In.AtEnd()) {
      EXPECT_EQ(In.Offset(), static_cast<std::int64_t>(Read.size()));
      if (Read.size() % 4 == 0 && Read.size() + 1 < Bytes.size()) {
        const std::uint16_t W = In.ReadWord();
        Read.push_back(static_cast<char>(W & 0xFF));
        Read.push_back(static_cast<char>(W >> 8));
      } else {
        Read.push_back(static_cast<char>(In.ReadByte()));
      }
    }
    EXPECT_EQ(Read, Bytes) << Block;
    EXPECT_TRUE(In.AtEnd());  // asking again changes nothing
    EXPECT_TRUE(Prompts.Messages.empty());
    try {
      In.ReadByte();
      FAIL() << "read past the end";
    } catch (const TPlotError& E) {
      EXPECT_STREQ(E.what(), "Read beyond end of file");
      EXPECT_EQ(E.Offset, 23);
      EXPECT_EQ(E.FileName, Tmp.File("bytes"));
    }
    EXPECT_EQ(Prompts.Messages, std::vector<std::string>{"EOF!!!!!"});
  }
}

TEST(PlotByteReader, WordIsLowByteFirstAndSignedIsTwosComplement) {
  TempDir Tmp;
  WriteFile(Tmp.File("w"), std::string("\x34\x12\xFF\xFF\x00\x80\xFF\x7F\x01", 9));
  TSilentPrompts Prompts;
  TPlotByteReader In(Tmp.File("w"), Prompts, 3);
  EXPECT_EQ(In.ReadWord(), 0x1234);
  EXPECT_EQ(In.ReadSigned(), -1);
  EXPECT_EQ(In.ReadSigned(), -32768);
  EXPECT_EQ(In.ReadSigned(), 32767);
  EXPECT_THROW(In.ReadWord(), TPlotError);  // one byte left: a word cannot be read
}

// A board bigger than the reader's block, with records across the
// boundaries and a single trailing byte.
TEST_F(PlotLoadTest, BoardLargerThanOneBlock) {
  PlotBuilder P = OneLayer();
  const int Lines = 50000;
  for (int i = 0; i < Lines; ++i) {
    P.Line(i % 30000, -(i % 20000), i % 7, i % 11, i % 256);
    if (i % 1000 == 0) P.Text(0, 0, std::string(static_cast<std::size_t>(i % 13), 'x'));
  }
  P.Byte(0xA8);
  ASSERT_GT(P.Size(), 2 * TPlotByteReader::DefaultBlockSize);
  ASSERT_TRUE(Load(P));
  ASSERT_EQ(Layer().Lines.Count(), Lines);
  EXPECT_EQ(Layer().Texts.Count(), Lines / 1000);
  for (int i = 0; i < Lines; i += 997) {
    const TPcbLine& L = Layer().Lines.Items(i);
    EXPECT_EQ(L.StartX, i % 30000);
    EXPECT_EQ(L.StartY, -(i % 20000));
    EXPECT_EQ(L.EndY, i % 11);
    EXPECT_EQ(L.Width, i % 256 ? i % 256 : 1);
  }
}

}  // namespace
}  // namespace quillon::test
