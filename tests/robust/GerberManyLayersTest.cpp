// SPDX-License-Identifier: MIT
// A Gerber conversion of a board of very many layers and flashes: every layer
// file used to visit every drill flash (layers x flashes steps) and to reserve
// room for all of them, though only the pad and drill layers receive any.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "ChildRun.h"
#include "script/ScriptPcb.h"
#include "support/PlotBuilder.h"
#include "support/TestFiles.h"

namespace quillon::test {
namespace {

class ScriptedPrompts final : public TUserPrompts {
 public:
  explicit ScriptedPrompts(std::vector<TAnswer> Answers) : Answers(std::move(Answers)) {}
  void NotifyUser(std::string_view) override {}
  TAnswer AskUser(std::string_view Text) override {
    Questions.emplace_back(Text);
    return Answers[Next++ % Answers.size()];
  }
  std::vector<TAnswer> Answers;
  std::size_t Next = 0;
  std::vector<std::string> Questions;
};

// Layers 0..Count-1, the flashes on layer 3: pins 1..4 are described (rows
// 0..3), pins 7 and 8 are not and come in runs.
void MakeBoard(TScriptingPcb& Pcb, int LayerCount, int FlashCount) {
  for (int L = 0; L < LayerCount; ++L) {
    TLayer& Layer = Pcb.Layers.Add();
    Layer.Name = "L" + std::to_string(L);
    Layer.Number = static_cast<std::uint8_t>(L);
  }
  for (int I = 0; I < FlashCount; ++I) {
    const int Pin = I % 7 < 4 ? 1 + I % 7 : (I / 7) % 3 ? 7 : 8;
    Pcb.Layers.Items(3).Flashes.Add() = {Pin, 0, I, -I};
  }
  for (int Row = 0; Row < 4; ++Row) Pcb.Pins.Append({Row, 0.3, 0.6, shapeCircle, 0, 0, 0});
  Pcb.PadTopLayer = 0;
  Pcb.PadBottomLayer = 1;
  Pcb.MaskTopLayer = 2;
  Pcb.MaskBottomLayer = 5;
  Pcb.DrillLayer = 3;
}

// The layers without a flash role ask exactly what visiting every flash asks.
TEST(GerberManyLayers, LayersWithoutAFlashRoleAskTheSameQuestions) {
  const std::vector<TAnswer> Script = {TAnswer::Yes,    TAnswer::No,      TAnswer::Yes,
                                       TAnswer::Cancel, TAnswer::No,      TAnswer::YesToAll,
                                       TAnswer::Yes,    TAnswer::NoToAll, TAnswer::Cancel};
  TScriptingPcb Converted;
  MakeBoard(Converted, 12, 60);
  ScriptedPrompts ConvertPrompts(Script);
  Converted.SetPrompts(&ConvertPrompts);
  Converted.Convert(coPads, fmtGerber, 1.0);

  // The same layers written one by one, every call visiting every flash.
  TScriptingPcb ByHand;
  MakeBoard(ByHand, 12, 60);
  ScriptedPrompts HandPrompts(Script);
  ByHand.SetPrompts(&HandPrompts);
  ByHand.Scale = 1.0;
  ByHand.BuildApertures();
  ASSERT_FALSE(ByHand.UndefinedPinRuns);
  std::vector<TTextLines> Layers;
  for (int L = 0; L < 12; ++L) {
    ByHand.Output.Clear();
    ByHand.WriteGerberFlashes(L);
    Layers.push_back(ByHand.Output);
  }
  EXPECT_GT(HandPrompts.Questions.size(), 20u);
  EXPECT_EQ(ConvertPrompts.Questions, HandPrompts.Questions);
  // The flashes written are the same too: the layer files hold them after
  // their five header lines, apertures, name and polarity.
  for (int L = 0; L < 12; ++L) {
    const TTextLines& File = Converted.LayerOutputs[static_cast<std::size_t>(L)];
    const int Start = 5 + Converted.Apertures.Count() + 2;
    ASSERT_EQ(File.Count(), Start + Layers[L].Count() + 1) << L;
    for (int I = 0; I < Layers[L].Count(); ++I) EXPECT_EQ(File[Start + I], Layers[L][I]);
  }
  EXPECT_FALSE(Converted.UndefinedPinRuns);  // only during a conversion
}

// Layers x flashes steps would be 1.8e9 here: far beyond the limits below.
TEST(GerberManyLayers, ThirtyThousandLayersAndSixtyThousandFlashesConvertInLinearTime) {
  PlotBuilder Plot;
  Plot.Header().LayerCount(30000);
  for (int L = 0; L < 30000; ++L) Plot.LayerHeader({"L" + std::to_string(L % 1000), L % 256});
  Plot.SelectLayer(3);
  for (int I = 0; I < 60000; ++I) Plot.Flash(1 + I % 9, I % 30000, I / 30000);
  TempDir Tmp;
  Plot.Save(Tmp.File("many.plt"));
  WriteFile(Tmp.File("pins.txt"), "0;1;2;3;4;5;6;7  0,4  0,8\n");  // pin 9 is undefined

  // The conversion's own time is measured: flushing 30 000 files to disk
  // (the default) costs the disk's time, not the algorithm's.
  const ChildResult R =
      RunCliChild({"convert", Tmp.File("many.plt"), "--pins", Tmp.File("pins.txt"), "--format",
                   "gerber", "--top", "0", "--bottom", "1", "--drill", "3", "--dbu", "1",
                   "--answers", "yes-all", "--no-sync", "-o", Tmp.File("out.scr")});
  ASSERT_EQ(R.ExitCode, 0) << R.Err.substr(0, 300);
  EXPECT_LT(R.CpuSeconds, Sanitized ? 40.0 : 8.0);
  EXPECT_LT(R.MaxRssKb, (Sanitized ? 600 : 250) * 1024);
  const std::string Drill = ReadFile(Tmp.File("3L3.gbr"));
  EXPECT_NE(Drill.find("\r\nX19999000Y000000D03*\r\n"), std::string::npos);
}

}  // namespace
}  // namespace quillon::test
