// SPDX-License-Identifier: MIT
#include "script/fab/FabJobFile.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "script/ScriptPcb.h"
#include "script/fab/FabFunctions.h"
#include "script/fab/FabProvenance.h"

namespace quillon::fab {

namespace {

using TJson = nlohmann::ordered_json;

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
  const TProjectId Project = ProjectIdOf(Board);
  const TExtents& E = Board.Extents;
  TJson Specs = {{"ProjectId",
                  {{"Name", Project.Name}, {"GUID", Project.Guid}, {"Revision", Project.Revision}}},
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
