// SPDX-License-Identifier: MIT
#include "check/scripts/ScriptCheck.h"

#include <sys/stat.h>

#include <filesystem>

#include "check/Compare.h"
#include "check/scripts/Cam350MacroReader.h"
#include "check/scripts/DrawnItemsPainter.h"
#include "check/scripts/GenesisScriptReader.h"
#include "check/scripts/ScriptExpectation.h"
#include "check/scripts/ScriptSyntax.h"

namespace quillon::check::scripts {

namespace {

constexpr const char* Reader = "quillon";

TFileResult ResultOf(const TOutputFile& File, int Layer) {
  TFileResult R;
  R.Path = File.Path;
  R.Role = OutputRoleName(File.Role);
  R.Layer = Layer;
  R.Reader = Reader;
  return R;
}

// What the file is, by its first line: the writers open a macro with a
// comment naming CAM350 and a script with the C shell's line.
std::optional<TScriptFormat> FormatOf(std::string_view Text, bool GerberConversion) {
  if (Text.starts_with("#!/bin/csh")) return TScriptFormat::GenesisScript;
  if (Text.starts_with("; Macro for CAM350"))
    return GerberConversion ? TScriptFormat::Cam350TextMacro : TScriptFormat::Cam350Macro;
  return std::nullopt;
}

std::string LayerLabel(const TScriptingPcb& Board, int L) {
  std::string Label = "layer " + std::to_string(L);
  if (L < Board.Layers.Count()) Label += " (" + Board.Layers.Items(L).Name + ")";
  return Label;
}

TFileResult CompareLayer(const TScriptCheck& C, const TOutputFile& File, TScriptFormat Format,
                         int L, const std::vector<TDrawnItem>* Read) {
  TFileResult R = ResultOf(File, L);
  TRaster Expected(C.View.Width, C.View.Height), Ignore(C.View.Width, C.View.Height);
  TRaster Drawn(C.View.Width, C.View.Height);
  if (L < C.Board.Layers.Count())
    DrawExpectedScriptLayer(C.Board, Format, C.Items, L, C.View, Expected, Ignore);
  if (Read) PaintDrawnItems(*Read, C.View, Drawn);
  const TComparison Cmp = ComparePictures(Expected, Drawn, Ignore);
  R.AreaMm2 = static_cast<double>(Cmp.Pixels) / (C.View.PxPerMm * C.View.PxPerMm);
  R.BlobCount = Cmp.BlobCount;
  for (const TBlob& B : Cmp.Blobs) R.Boxes.push_back(B.BoxMm(C.View));
  const bool Differs = !Cmp.Blobs.empty() && Cmp.Blobs.front().Across() > C.TolerancePx;
  R.Status = Differs ? TFileStatus::Differs : TFileStatus::Passed;
  R.Message = LayerLabel(C.Board, L);
  if (L >= C.Board.Layers.Count()) R.Message += ", which the board does not have";
  if (Differs && !C.PictureFolder.empty()) {
    R.Picture = C.PictureFolder + "/" + std::filesystem::path(File.Path).filename().string() +
                ".layer" + std::to_string(L) + ".diff.png";
    WriteDifferencePicture(Expected, Drawn, R.Picture);
  }
  return R;
}

std::string ProblemsText(const TDrawnFile& Drawn) {
  std::string Text;
  const std::size_t Shown = std::min<std::size_t>(Drawn.Problems.size(), 5);
  for (std::size_t I = 0; I < Shown; ++I) {
    if (I) Text += "; ";
    Text += "line " + std::to_string(Drawn.Problems[I].Line) + ": " + Drawn.Problems[I].Message;
  }
  if (Drawn.Problems.size() > Shown)
    Text += "; and " + std::to_string(Drawn.Problems.size() - Shown) + " more";
  return Text;
}

}  // namespace

std::vector<TFileResult> CheckScriptFile(const TScriptCheck& C, const TOutputFile& File) {
  std::vector<TFileResult> Results;
  struct stat St;
  if (stat(File.Path.c_str(), &St) != 0) {
    TFileResult R = ResultOf(File, -1);
    R.Status = TFileStatus::Missing;
    R.Message = "no such file";
    return {R};
  }
  std::string Text, Error;
  const bool Read = ReadWholeFile(File.Path, Text, Error);
  const std::optional<TScriptFormat> Format = Read ? FormatOf(Text, C.GerberConversion)
                                                   : std::nullopt;
  if (!Format) {
    TFileResult R = ResultOf(File, -1);
    R.Status = TFileStatus::Unreadable;
    R.Message = Read ? "neither a CAM350 macro (\"; Macro for CAM350\") nor a Genesis script "
                       "(\"#!/bin/csh\") on its first line"
                     : Error;
    return {R};
  }
  const TDrawnFile Drawn = *Format == TScriptFormat::GenesisScript ? ReadGenesisScript(Text)
                                                                   : ReadCam350Macro(Text);
  if (!Drawn.Problems.empty()) {
    TFileResult R = ResultOf(File, -1);
    R.Status = TFileStatus::Unreadable;
    R.Message = ProblemsText(Drawn);
    Results.push_back(R);
  }
  for (int L = 0; L < C.Board.Layers.Count(); ++L) {
    const auto Found = Drawn.Layers.find(L);
    Results.push_back(
        CompareLayer(C, File, *Format, L, Found == Drawn.Layers.end() ? nullptr : &Found->second.Items));
  }
  for (const auto& [L, Layer] : Drawn.Layers)
    if (L >= C.Board.Layers.Count() && !Layer.Items.empty())
      Results.push_back(CompareLayer(C, File, *Format, L, &Layer.Items));
  return Results;
}

}  // namespace quillon::check::scripts
