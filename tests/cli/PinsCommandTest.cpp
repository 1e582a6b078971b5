// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "TestFiles.h"

namespace quillon::test {
namespace {

class PinsCommand : public ::testing::Test {
 protected:
  // Writes Text as the description and runs "pins '<file>' Args".
  CommandResult Pins(const std::string& Text, const std::string& Args = "") {
    const std::string File = Dir.File("pins.txt");
    WriteFile(File, Text);
    return RunCli("pins '" + File + "' " + Args);
  }
  TempDir Dir;
};

const char* const Description =
    "Pin# Hole Aper\r\n"
    "1  0.9  1.6\r\n"
    "12,13  0,04  0,07  2\r\n";

TEST_F(PinsCommand, PrintsTheGridAsAnAlignedTable) {
  const CommandResult R = Pins(Description);
  EXPECT_EQ(R.ExitCode, 0) << R.Err;
  EXPECT_EQ(R.Out,
            "Pin#    Hole    Aper  Aper Type\n"
            "   1  0.9000  1.6000  Circle\n"
            "  12  0.0400  0.0700  Square\n"
            "  13  0.0400  0.0700  Square\n");
  EXPECT_EQ(R.Err, "");
}

TEST_F(PinsCommand, UnitsByNameInAnyCaseOrByIndex) {
  const std::string Expected =
      "Pin#     Hole    Aper  Aper Type\n"
      "   1  22.8600  0.0406  Circle\n"
      "  12   1.0160  0.0018  Square\n"
      "  13   1.0160  0.0018  Square\n";
  EXPECT_EQ(Pins(Description, "--hole-unit inch --aperture-unit mil").Out, Expected);
  EXPECT_EQ(Pins(Description, "--hole-unit INCH --aperture-unit MIL").Out, Expected);
  EXPECT_EQ(Pins(Description, "--hole-unit 1 --aperture-unit 5").Out, Expected);
  const std::string Mkm =
      "Pin#    Hole    Aper  Aper Type\n"
      "   1  0.0090  1.6000  Circle\n";
  EXPECT_EQ(Pins("1  0.9  1.6", "--hole-unit 'MKM*10'").Out, Mkm);
  EXPECT_EQ(Pins("1  0.9  1.6", "--hole-unit mkm10").Out, Mkm);
  EXPECT_EQ(Pins("1  1  1", "--hole-unit pinch --aperture-unit Net1.25").Out,
            "Pin#     Hole    Aper  Aper Type\n"
            "   1  25.0000  0.8000  Circle\n");
}

TEST_F(PinsCommand, AperHoleLayout) {
  EXPECT_EQ(Pins("1  0.9  1.6", "--layout aper-hole").Out,
            "Pin#    Hole    Aper  Aper Type\n"
            "   1  1.6000  0.9000  Circle\n");
}

TEST_F(PinsCommand, EmptyDescriptionShowsTheEmptyGrid) {
  const CommandResult R = Pins("");
  EXPECT_EQ(R.ExitCode, 0);
  EXPECT_EQ(R.Out, "Pin#  Hole  Aper  Aper Type\n\n");
}

TEST_F(PinsCommand, JsonHasStoredAndMillimetreSizes) {
  const CommandResult R = Pins("x\n1  0.9  1.6\n4  0.5\n", "--json --hole-unit inch");
  EXPECT_EQ(R.ExitCode, 0) << R.Err;
  EXPECT_EQ(R.Out,
            "{\n"
            "  \"ApertureUnit\": 0,\n"
            "  \"HoleUnit\": 1,\n"
            "  \"Rows\": [\n"
            "    {\n"
            "      \"PinNumber\": 1,\n"
            "      \"Hole\": 0.9,\n"
            "      \"Aperture\": 1.6,\n"
            "      \"Shape\": 1,\n"
            "      \"HoleMM\": 22.86,\n"
            "      \"ApertureMM\": 1.6\n"
            "    },\n"
            "    {\n"
            "      \"PinNumber\": 4,\n"
            "      \"Hole\": 0.5,\n"
            "      \"Aperture\": 0.0,\n"
            "      \"Shape\": 0,\n"
            "      \"HoleMM\": 12.7,\n"
            "      \"ApertureMM\": 0.0\n"
            "    }\n"
            "  ]\n"
            "}\n");
}

TEST_F(PinsCommand, JsonOfAnEmptyTable) {
  EXPECT_EQ(Pins("nothing here", "--json --aperture-unit 3").Out,
            "{\n"
            "  \"ApertureUnit\": 3,\n"
            "  \"HoleUnit\": 0,\n"
            "  \"Rows\": []\n"
            "}\n");
}

// Written as INF they would vanish from every output: the line is skipped.
TEST_F(PinsCommand, SizesBeyondDoubleRangeSkipTheirLine) {
  const std::string Text = "1  " + std::string(400, '9') + "  2\n";
  const CommandResult R = Pins(Text, "--json");
  EXPECT_EQ(R.ExitCode, 0);
  EXPECT_NE(R.Out.find("\"Rows\": []"), std::string::npos) << R.Out;
  EXPECT_EQ(Pins(Text).Out.find("INF"), std::string::npos);
}

TEST_F(PinsCommand, OemConvertsTheDosSquareWord) {
  const std::string Dos = "1  0.9  1.6 \xAA\xA2\xA0\xA4\xE0\xA0\xE2\n";
  EXPECT_EQ(Pins(Dos).Out,
            "Pin#    Hole    Aper  Aper Type\n"
            "   1  0.9000  1.6000  Circle\n");
  EXPECT_EQ(Pins(Dos, "--oem").Out,
            "Pin#    Hole    Aper  Aper Type\n"
            "   1  0.9000  1.6000  Square\n");
}

TEST_F(PinsCommand, VerboseListsSkippedNonEmptyLines) {
  const CommandResult R = Pins(
      "Pin# Hole Aper\n\n  \t\n5 1.2 1.8\n3  1.2.5  1.8\r\n3  1  1.2.5  2\r"
      "99999999999  1\n7  1\n",
      "--verbose");
  EXPECT_EQ(R.ExitCode, 0);
  EXPECT_EQ(R.Out,
            "Pin#    Hole    Aper  Aper Type\n"
            "   7  1.0000  0.0000  None\n");
  EXPECT_EQ(R.Err,
            "line 1 skipped (no pin list followed by a gap and a size; one blank is no gap): "
            "Pin# Hole Aper\n"
            "line 4 skipped (no pin list followed by a gap and a size; one blank is no gap): "
            "5 1.2 1.8\n"
            "line 5 skipped (the first size is not one number): 3  1.2.5  1.8\n"
            "line 6 skipped (the second size is not one number): 3  1  1.2.5  2\n"
            "line 7 skipped (a pin number is too large): 99999999999  1\n");
  // Without --verbose they are skipped silently, as in the window.
  EXPECT_EQ(Pins("Pin# Hole Aper\n7  1\n").Err, "");
}

TEST_F(PinsCommand, UnreadableFileNamesTheFile) {
  const std::string Missing = Dir.File("missing.txt");
  CommandResult R = RunCli("pins '" + Missing + "'");
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Out, "");
  EXPECT_EQ(R.Err, "quillon-cli: cannot read the pin description \"" + Missing +
                       "\": No such file or directory\n");
  R = RunCli("pins '" + Dir.Path().string() + "'");
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_NE(R.Err.find(Dir.Path().string()), std::string::npos);
}

// A device that never ends and a file far too large for a description are
// refused at once, by `pins` and by `convert --pins` alike.
TEST_F(PinsCommand, EndlessAndHugeFilesAreRefusedAtOnce) {
  const auto Start = std::chrono::steady_clock::now();
  CommandResult R = RunCli("pins /dev/zero");
  EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(1));
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err,
            "quillon-cli: cannot read the pin description \"/dev/zero\": not a regular file or "
            "pipe (a character device)\n");
  const std::string Huge = Dir.File("huge.txt");
  WriteFile(Huge, "");
  std::filesystem::resize_file(Huge, (std::uintmax_t{64} << 20) + 1);
  R = RunCli("pins '" + Huge + "'");
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_EQ(R.Err, "quillon-cli: cannot read the pin description \"" + Huge +
                       "\": larger than 64 MB, the most a pin description may hold\n");
  R = RunCli("convert '" + SourcePath("examples/demo.plt") + "' --pins /dev/zero -o '" +
             Dir.File("x.scr") + "'");
  EXPECT_EQ(R.ExitCode, 1);
  EXPECT_NE(R.Err.find("\"/dev/zero\": not a regular file or pipe"), std::string::npos) << R.Err;
  EXPECT_FALSE(std::filesystem::exists(Dir.File("x.scr")));
}

TEST_F(PinsCommand, BadUsageExitsWithTwo) {
  EXPECT_EQ(Pins("1  1", "--hole-unit cm").ExitCode, 2);
  EXPECT_EQ(Pins("1  1", "--aperture-unit 6").ExitCode, 2);
  EXPECT_EQ(Pins("1  1", "--layout hole").ExitCode, 2);
  EXPECT_EQ(Pins("1  1", "--bogus").ExitCode, 2);
  EXPECT_EQ(RunCli("pins").ExitCode, 2);
}

}  // namespace
}  // namespace quillon::test
