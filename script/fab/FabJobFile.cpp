// SPDX-License-Identifier: MIT
#include "script/fab/FabJobFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "script/ScriptPcb.h"
#include "script/fab/FabFunctions.h"

namespace quillon::fab {

namespace {

using TJson = nlohmann::ordered_json;

// A stable identifier of the project: the same plot name gives the same
// GUID, so that a conversion stays byte for byte reproducible. Formatted as
// an RFC 9562 custom (version 8) UUID.
std::string ProjectGuid(const std::string& Name) {
  std::uint64_t High = 14695981039346656037ull, Low = 1099511628211ull;
  for (unsigned char C : Name) {
    High = (High ^ C) * 1099511628211ull;
    Low = (Low ^ C) * 14029467366897019727ull + 1;
  }
  High = (High & ~0xF000ull) | 0x8000ull;
  Low = (Low & 0x3FFFFFFFFFFFFFFFull) | 0x8000000000000000ull;
  char Text[37];
  std::snprintf(Text, sizeof Text, "%08x-%04x-%04x-%04x-%012llx", static_cast<unsigned>(High >> 32),
                static_cast<unsigned>((High >> 16) & 0xFFFF), static_cast<unsigned>(High & 0xFFFF),
                static_cast<unsigned>(Low >> 48),
                static_cast<unsigned long long>(Low & 0xFFFFFFFFFFFFull));
  return Text;
}

// Millimetres to a thousandth, so that the number is written briefly.
double Rounded(double Millimetres) { return std::round(Millimetres * 1000.0) / 1000.0; }

int CopperLayers(const TScriptingPcb& Board) {
  int Count = 0;
  for (int L = 0; L < Board.Layers.Count(); ++L)
    if (IsCopper(FabRoleOf(Board, L))) ++Count;
  return Count;
}

}  // namespace

std::string X2FunctionOf(const TScriptingPcb& Board, const TOutputFile& File) {
  switch (File.Role) {
    case TOutputRole::Layer:
      return std::string(FileFunction(FabRoleOf(Board, File.Layer)));
    case TOutputRole::Outline:
      return std::string(FileFunction(TLayerRole::Outline));
    case TOutputRole::Drill:
      return std::string(DrillFileFunction(true));
    case TOutputRole::NonPlatedDrill:
      return std::string(DrillFileFunction(false));
    default:
      return {};
  }
}

void WriteJobFile(const TScriptingPcb& Board, const std::vector<TJobEntry>& Files,
                  TTextLines& Out) {
  TJson Header = {
      {"GenerationSoftware",
       {{"Vendor", "Quillon"}, {"Application", "Quillon"}, {"Version", QUILLON_VERSION_TEXT}}}};
  if (!Board.CreationDate.empty()) Header["CreationDate"] = Board.CreationDate;
  const std::string Project = Board.ProjectName.empty() ? "board" : Board.ProjectName;
  const TExtents& E = Board.Extents;
  TJson Specs = {
      {"ProjectId", {{"Name", Project}, {"GUID", ProjectGuid(Project)}, {"Revision", "1"}}},
      {"Size",
       {{"X", Rounded(std::abs(static_cast<double>(E.Right) - E.Left) * Board.Scale)},
        {"Y", Rounded(std::abs(static_cast<double>(E.Bottom) - E.Top) * Board.Scale)}}},
      {"LayerNumber", CopperLayers(Board)}};
  TJson Attributes = TJson::array();
  for (const TJobEntry& File : Files)
    Attributes.push_back(
        {{"Path", File.Path}, {"FileFunction", File.FileFunction}, {"FilePolarity", "Positive"}});
  const TJson Job = {{"Header", Header}, {"GeneralSpecs", Specs}, {"FilesAttributes", Attributes}};
  // Names are bytes of the plot's code page: what is not UTF-8 is replaced
  // rather than refused.
  const std::string Text = Job.dump(2, ' ', false, TJson::error_handler_t::replace);
  Out.Clear();
  std::size_t Start = 0;
  while (Start <= Text.size()) {
    const std::size_t End = std::min(Text.find('\n', Start), Text.size());
    Out.Add(std::string_view(Text).substr(Start, End - Start));
    Start = End + 1;
  }
}

}  // namespace quillon::fab
