// SPDX-License-Identifier: MIT
// Pin descriptions built to hurt, through the whole program: any byte value,
// NUL bytes, megabyte lines, pin numbers at the end of the 32-bit range, and a
// twenty thousand rows from long pin lists driving every writer. (The
// reader's own limits are tested in tests/pins.)

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>

#include "ChildRun.h"
#include "support/TestFiles.h"

namespace quillon::test {
namespace {

constexpr double TimeLimit = Sanitized ? 120.0 : 30.0;

class HostilePins : public ::testing::Test {
 protected:
  std::string Description(const std::string& Text) {
    WriteFile(Tmp.File("pins.txt"), Text);
    return Tmp.File("pins.txt");
  }
  TempDir Tmp;
};

TEST_F(HostilePins, AnyBytesNulAndAMegabyteLineGiveTheRowsTheyHold) {
  std::string Text;
  for (int Round = 0; Round < 4; ++Round)
    for (int B = 0; B < 256; ++B) Text += static_cast<char>(B == '\n' || B == '\r' ? 'x' : B);
  Text += "\n";
  Text += std::string("5  0,4\0\xFF  0,8\0\n", 15);
  Text += std::string(1 << 20, '\xEA') + "\r\n";                     // a megabyte of one letter
  Text += "6  " + std::string(1 << 20, '1') + "  0.5\n";             // beyond any double: skipped
  Text += "7  0." + std::string(1 << 20, '0') + "3  0.5\x80\x81\n";  // a megabyte number
  const std::string File = Description(Text);

  const ChildResult Table = RunCliChild({"pins", File});
  ASSERT_EQ(Table.ExitCode, 0) << Table.Err.substr(0, 500);
  EXPECT_EQ(Table.Out,
            "Pin#    Hole    Aper  Aper Type\n"
            "   5  0.4000  0.8000  Circle\n"
            "   7  0.0000  0.5000  Circle\n");

  const ChildResult Json = RunCliChild({"pins", File, "--json"});
  ASSERT_EQ(Json.ExitCode, 0);
  const auto Doc = nlohmann::json::parse(Json.Out);  // valid JSON whatever the bytes were
  ASSERT_EQ(Doc["Rows"].size(), 2u);

  // Skipped lines are listed whole, bytes as they are.
  const ChildResult Verbose = RunCliChild({"pins", File, "--verbose"});
  EXPECT_EQ(Verbose.ExitCode, 0);
  EXPECT_NE(Verbose.Err.find("line 3 skipped (no pin list followed by a gap and a size; one blank "
                             "is no gap): " +
                             std::string(1 << 20, '\xEA') + "\n"),
            std::string::npos);
  EXPECT_LT(Verbose.CpuSeconds, TimeLimit);
}

TEST_F(HostilePins, TheLargestPinNumberIsPrintedWithoutOverflow) {
  const std::string File = Description(
      "2147483647  0.5  1.0\n"
      "2147483648  0.5  1.0\n"
      "0  0.3  0.6\n");
  const ChildResult Verbose = RunCliChild({"pins", File, "--verbose"});
  EXPECT_EQ(Verbose.Out,
            "      Pin#    Hole    Aper  Aper Type\n"
            "2147483647  0.5000  1.0000  Circle\n"
            "         0  0.3000  0.6000  Circle\n");
  EXPECT_EQ(Verbose.Err, "line 2 skipped (a pin number is too large): 2147483648  0.5  1.0\n");

  const std::string Plot = SourcePath("examples/demo.plt");
  const ChildResult Cam350 = RunCliChild(
      {"convert", Plot, "--pins", File, "--answers", "yes-all", "-o", Tmp.File("out.scr")});
  ASSERT_EQ(Cam350.ExitCode, 0) << Cam350.Err;
  // The padstack of row 2147483647 serves plot pin 2147483648.
  const std::string Macro = ReadFile(Tmp.File("out.scr"));
  EXPECT_NE(Macro.find("\r\nedit_padstack_dcode@ 2147483648,"), std::string::npos);
  EXPECT_EQ(Macro.find("edit_padstack_dcode@ -"), std::string::npos);
  for (const char* Format : {"gerber", "genesis"}) {
    const ChildResult R = RunCliChild({"convert", Plot, "--pins", File, "--format", Format,
                                       "--answers", "yes-all", "-o", Tmp.File("out.txt")});
    EXPECT_EQ(R.ExitCode, 0) << Format << ": " << R.Err;
  }
}

// 100 000 rows and more were tried by hand (see README, Robustness).
TEST_F(HostilePins, TwentyThousandRowsFromLongPinListsConvertInEveryFormat) {
  // Twenty lines, each listing a thousand pins.
  std::string Text;
  for (int Line = 0; Line < 20; ++Line) {
    for (int I = 0; I < 1000; ++I) {
      if (I > 0) Text += I % 2 ? ',' : ';';
      Text += std::to_string(Line * 1000 + I);
    }
    Text += "  0,4  0,8  2\r\n";
  }
  const std::string File = Description(Text);
  const std::string Plot = SourcePath("examples/demo.plt");

  const ChildResult Json = RunCliChild({"pins", File, "--json"});
  ASSERT_EQ(Json.ExitCode, 0);
  const auto Doc = nlohmann::json::parse(Json.Out);
  ASSERT_EQ(Doc["Rows"].size(), 20000u);
  EXPECT_EQ(Doc["Rows"][19999]["PinNumber"], 19999);

  for (const char* Format : {"cam350", "gerber", "genesis"}) {
    const ChildResult R = RunCliChild({"convert", Plot, "--pins", File, "--format", Format,
                                       "--answers", "yes-all", "-o", Tmp.File(Format)});
    EXPECT_EQ(R.ExitCode, 0) << Format << ": " << R.Err;
    EXPECT_LT(R.CpuSeconds, TimeLimit) << Format;
  }
  // Every row has its padstack; the last one serves plot pin 20000.
  const std::string Macro = ReadFile(Tmp.File("cam350"));
  EXPECT_NE(Macro.find("\r\nedit_padstack_dcode@ 20000,"), std::string::npos);
}

}  // namespace
}  // namespace quillon::test
