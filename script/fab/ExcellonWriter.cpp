// SPDX-License-Identifier: MIT
#include "script/fab/ExcellonWriter.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "script/fab/FabFunctions.h"
#include "text/NumberFormat.h"

namespace quillon::fab {

namespace {

constexpr int Decimals = 3;

struct TTool {
  std::int64_t Key;  // diameter in thousandths of a millimetre
  std::vector<std::size_t> Holes;
};

std::vector<TTool> GroupByTool(const std::vector<TDrillHole>& Holes, bool Plated) {
  std::vector<TTool> Tools;
  std::unordered_map<std::int64_t, std::size_t> ToolOfKey;
  for (std::size_t I = 0; I < Holes.size(); ++I) {
    if (Holes[I].Plated != Plated) continue;
    std::int64_t Key;
    if (!fmt::ScaledRound(Holes[I].Diameter, Decimals, Key) || Key <= 0) continue;
    auto [It, New] = ToolOfKey.try_emplace(Key, Tools.size());
    if (New) Tools.push_back({Key, {}});
    Tools[It->second].Holes.push_back(I);
  }
  std::sort(Tools.begin(), Tools.end(),
            [](const TTool& A, const TTool& B) { return A.Key < B.Key; });
  return Tools;
}

void AppendMillimetres(std::string& Out, double Value) { fmt::AppendFixed(Out, Value, Decimals); }

}  // namespace

void WriteExcellon(const std::vector<TDrillHole>& Holes, bool Plated,
                   std::span<const std::string> Provenance, TTextLines& Out) {
  const std::vector<TTool> Tools = GroupByTool(Holes, Plated);
  if (Tools.empty()) return;
  Out.Add("M48");
  for (const std::string& Attribute : Provenance) LineBuilder(Out) << "; #@! " << Attribute;
  LineBuilder(Out) << "; #@! TF.FileFunction," << DrillFileFunction(Plated);
  Out.Add("FMAT,2");
  // Decimal coordinates need no zero mode, and readers refuse one given
  // with them.
  Out.Add("METRIC");
  for (std::size_t T = 0; T < Tools.size(); ++T) {
    std::string& Line = Out.Open();
    Line += 'T';
    fmt::AppendInt(Line, static_cast<std::int64_t>(T + 1));
    Line += 'C';
    AppendMillimetres(Line, static_cast<double>(Tools[T].Key) / 1000.0);
    Out.Close();
  }
  Out.Add("%");
  Out.Add("G90");
  Out.Add("G05");
  for (std::size_t T = 0; T < Tools.size(); ++T) {
    LineBuilder(Out) << 'T' << static_cast<std::int64_t>(T + 1);
    for (std::size_t I : Tools[T].Holes) {
      std::string& Line = Out.Open();
      Line += 'X';
      AppendMillimetres(Line, Holes[I].X);
      Line += 'Y';
      AppendMillimetres(Line, Holes[I].Y);
      Out.Close();
    }
  }
  Out.Add("M30");
}

}  // namespace quillon::fab
