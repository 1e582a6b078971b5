// SPDX-License-Identifier: MIT
// Numbers at the ends of their types through every writer: the extremes of
// the plot file's 16-bit words, of the model's 32-bit fields, pin numbers and
// sizes at and beyond the ends of their ranges, and factors from tiny to
// absurd. Nothing may overflow (the suite runs under UBSan too); what the
// outputs say about such values is tested where each writer is.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>

#include "ChildRun.h"
#include "script/ScriptPcb.h"
#include "support/PlotBuilder.h"
#include "support/TestFiles.h"

namespace quillon::test {
namespace {

constexpr std::int32_t Min32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// One layer holding every kind of item with Value in every 32-bit field.
void AddExtremeLayer(TScriptingPcb& Pcb, std::int32_t Value) {
  TLayer& L = Pcb.Layers.Add();
  L.Name = "X" + std::to_string(Value);
  L.Number = static_cast<std::uint8_t>(Pcb.Layers.Count());
  for (const std::uint16_t Kind : {kindLine, kindRectangle, kindFilledRectangle}) {
    TPcbLine& Line = L.Lines.Add();
    Line = {Value, Value, ~Value, Value, 0xFF, Value, Kind, 0xFFFF};  // ~ flips to the other end
  }
  L.Arcs.Add() = {Value, Value, Value, 0, 0, Value, 0xFF, Value};
  TPcbText& Text = L.Texts.Add();
  Text = {Value, Value, Value, 0xFF, Value, 0xFF, "T"};
  for (const std::int32_t Pin : {Value, 0, 1, Min32, Max32})
    L.Flashes.Add() = {Pin, Value, Value, Value};
  TPcbComplexPolygon& Polygon = L.Polygons.Add();
  Polygon.Attribute = Value;
  TOutlineSegments& Segment = Polygon.OutLines.Add().Lines;
  Segment.AddPoint(Value, Value);
  Segment.AddPoint(Value, Value);
  Polygon.OutLines.Add();  // an outline without segments
  Polygon.Circles.Add() = L.Arcs.Items(0);
}

void AddExtremePins(TPins& Pins) {
  const double Sizes[] = {0.0, -1.0, 1e-320, 1e308, Inf, -Inf, NaN};
  std::uint8_t Shape = 0;
  for (const std::int32_t Pin : {Max32, Min32, -1, 0}) {
    for (const double Size : Sizes) {
      TPinRecord Row;
      Row.PinNumber = Pin;
      Row.Hole = Size;
      Row.Aperture = Size;
      Row.Shape = Shape++ % 4;  // 3 is no shape of the format
      Pins.Append(Row);
    }
  }
  Pins.SetUnits(5, 1);
}

// A factor handed to Convert directly, as the window's "Custom" field can.
class ExtremeFactor : public ::testing::TestWithParam<double> {};

TEST_P(ExtremeFactor, EveryFormatWritesTheExtremesWithoutOverflow) {
  TScriptingPcb Pcb;
  for (const std::int32_t Value : {Min32, Max32, -32768, 32767, 0, -1}) AddExtremeLayer(Pcb, Value);
  AddExtremePins(Pcb.Pins);
  Pcb.PadTopLayer = 0;
  Pcb.PadBottomLayer = 1;
  Pcb.MaskTopLayer = 2;
  Pcb.MaskBottomLayer = 3;
  Pcb.DrillLayer = 4;
  for (const std::uint8_t Format : {fmtCam350Macro, fmtGerber, fmtGenesis}) {
    Pcb.Convert(coAll, Format, GetParam());
    EXPECT_FALSE(Pcb.Output.Empty());
  }
  Pcb.Convert(coAll, fmtGerber, GetParam());
  ASSERT_EQ(Pcb.LayerOutputs.size(), 6u);
  for (const TTextLines& Layer : Pcb.LayerOutputs) EXPECT_EQ(Layer[Layer.Count() - 1], "M02*");
}

INSTANTIATE_TEST_SUITE_P(Factors, ExtremeFactor,
                         ::testing::Values(0.0254, 1e-300, 1000.0, 1e300, 0.0, -0.0254, NaN, Inf,
                                           -Inf));

// The plot file's own extremes, through the reader and the whole program.
TEST(Extremes, SixteenBitWordsAtTheirEndsConvertThroughTheProgram) {
  PlotBuilder Plot;
  Plot.Header(65535, {65535, 65535, 65535, 65535}, 65535).Layers({{"EXT", 255, 255}});
  Plot.SelectLayer(255, 255).Line(-32768, -32768, 32767, 32767, 255, 255);
  Plot.Rectangle(32767, -32768, -32768, 32767, 255)
      .FilledRectangle(-32768, 32767, 32767, -32768, 0xFFFF);
  Plot.ArcByAngles({32767, -32768}, 65535, 65535, 65535, 255, 255);
  Plot.ArcByPoints({-32768, -32768}, {32767, 32767}, {-32768, 32767}, 255);
  Plot.TextWords(-32768, 32767, 0xFFFF, 0xFFFF, "EXTREME");
  Plot.Flash(255, -32768, -32768, 255).Flash(0, 32767, 32767);
  Plot.BeginPolygon({-32768, 32767}, 0xFFFF).Point({32767, -32768}).Circle({32767, 32767, -32768});
  Plot.Circle({-32768, -32768, 32767}).EndPolygon(0xFFFF);
  TempDir Tmp;
  Plot.Save(Tmp.File("ext.plt"));
  WriteFile(Tmp.File("pins.txt"), "254  99999999  99999999  2\n2147483647  1  1\n");

  for (const char* Format : {"cam350", "gerber", "genesis"}) {
    for (const char* Dbu : {"1000", "1e-300", "inch"}) {
      const ChildResult R =
          RunCliChild({"convert", Tmp.File("ext.plt"), "--pins", Tmp.File("pins.txt"), "--format",
                       Format, "--dbu", Dbu, "--answers", "yes-all", "-o", Tmp.File("out")});
      EXPECT_EQ(R.ExitCode, 0) << Format << " " << Dbu << ": " << R.Err;
    }
  }
}

TEST(Extremes, ASizeOfFourHundredDigitsSkipsItsLineInsteadOfWritingInf) {
  TempDir Tmp;
  const std::string Digits(400, '9');
  WriteFile(Tmp.File("pins.txt"), "0  " + Digits + "  " + Digits + "\n1  0.5  " + Digits + "  2\n");
  const std::string Plot = SourcePath("examples/demo.plt");
  for (const char* Format : {"cam350", "gerber", "genesis"}) {
    const ChildResult R = RunCliChild({"convert", Plot, "--pins", Tmp.File("pins.txt"), "--format",
                                       Format, "--answers", "yes-all", "-o", Tmp.File("out")});
    EXPECT_EQ(R.ExitCode, 0) << Format << ": " << R.Err;
  }
  // Such a size would be written as INF and its holes would vanish.
  EXPECT_EQ(ReadFile(Tmp.File("0COMP.gbr")).find("INF"), std::string::npos);
}

// A factor that is not a positive number up to 1000 is a usage error before
// anything is read or written.
TEST(Extremes, DbuFactorsThatAreNoFactorAreUsageErrors) {
  TempDir Tmp;
  const std::string Plot = SourcePath("examples/demo.plt");
  for (const char* Dbu : {"0", "-0", "-0.0254", "nan", "NaN", "-nan", "inf", "-inf", "infinity",
                          "1e300", "1e400", "1000.001", "0x1p-3", "", " 0.01", "0,01", "1e"}) {
    const ChildResult R = RunCliChild({"convert", Plot, "--dbu", Dbu, "-o", Tmp.File("out.scr")});
    EXPECT_EQ(R.ExitCode, 2) << "--dbu '" << Dbu << "'";
    EXPECT_NE(R.Err.find("--dbu"), std::string::npos) << R.Err;
    EXPECT_FALSE(std::filesystem::exists(Tmp.File("out.scr"))) << Dbu;
  }
  for (const char* Dbu : {"1000", "1e-3", "0.0254", "MM", "PInch"}) {
    const ChildResult R = RunCliChild({"convert", Plot, "--dbu", Dbu, "-o", Tmp.File("ok.scr")});
    EXPECT_EQ(R.ExitCode, 0) << "--dbu '" << Dbu << "': " << R.Err;
  }
}

}  // namespace
}  // namespace quillon::test
