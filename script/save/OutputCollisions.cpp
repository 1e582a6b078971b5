// SPDX-License-Identifier: MIT
#include "script/save/OutputCollisions.h"

#include <unordered_map>

#include "text/AsciiCase.h"

namespace quillon {

namespace {

std::string Describe(const TOutputFile& File, const TLayers& Layers) {
  switch (File.Role) {
    case TOutputRole::Main:
      return "the output file";
    case TOutputRole::Drill:
      return "the drill file";
    case TOutputRole::NonPlatedDrill:
      return "the non-plated drill file";
    case TOutputRole::Outline:
      return "the outline file";
    case TOutputRole::Job:
      return "the job file";
    case TOutputRole::Zip:
      return "the zip archive";
    case TOutputRole::Layer:
      break;
  }
  std::string Text = "layer " + std::to_string(File.Layer);
  if (File.Layer >= 0 && File.Layer < Layers.Count())
    Text += " \"" + Layers.Items(File.Layer).Name + "\"";
  return Text;
}

}  // namespace

std::optional<std::string> FindOutputCollision(const std::vector<TOutputFile>& Files,
                                               const TLayers& Layers) {
  // Byte-equal names are equal after folding too: one map catches both.
  std::unordered_map<std::string, std::size_t> Seen;
  Seen.reserve(Files.size());
  for (std::size_t I = 0; I < Files.size(); ++I) {
    const auto [It, Inserted] = Seen.emplace(LowerAscii(Files[I].Path), I);
    if (Inserted) continue;
    const TOutputFile& First = Files[It->second];
    return Describe(First, Layers) + " and " + Describe(Files[I], Layers) +
           " would both be written to " + Files[I].Path;
  }
  return std::nullopt;
}

}  // namespace quillon
