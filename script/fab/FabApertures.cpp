// SPDX-License-Identifier: MIT
#include "script/fab/FabApertures.h"

#include <algorithm>
#include <string>

#include "pins/ApertureTable.h"
#include "script/fab/FabGerberSyntax.h"

namespace quillon::fab {

std::int32_t TFabApertures::Use(std::int32_t TableDCode, TAperFunction Function) {
  if (TableDCode < TApertureTable::FirstDCode ||
      TableDCode - TApertureTable::FirstDCode >= Table.Count())
    return 0;
  const auto Row = static_cast<std::size_t>(TableDCode - TApertureTable::FirstDCode);
  if (Row >= ByRow.size()) ByRow.resize(Row + 1, {});
  auto& Codes = ByRow[Row];
  std::int32_t& Code = Codes[static_cast<std::size_t>(Function)];
  if (Code != 0) return Code;
  const bool RowUsed =
      std::any_of(Codes.begin(), Codes.end(), [](std::int32_t C) { return C != 0; });
  if (!RowUsed) {
    Code = TableDCode;
  } else {
    // The writers only draw with apertures that exist before the first
    // layer is written, so the table no longer grows and D-codes after its
    // last are free for the whole file.
    if (NextOwnDCode == 0) NextOwnDCode = TApertureTable::FirstDCode + Table.Count();
    Code = NextOwnDCode++;
  }
  Used.push_back({Code, TableDCode, Function});
  return Code;
}

void TFabApertures::WriteDefinitions(TTextLines& Out, bool AttributesAsComments) const {
  std::vector<TUse> Sorted = Used;
  std::sort(Sorted.begin(), Sorted.end(),
            [](const TUse& A, const TUse& B) { return A.FileDCode < B.FileDCode; });
  bool FunctionSet = false;
  bool AnyFunction = false;
  for (const TUse& U : Sorted) {
    if (U.Function != TAperFunction::None) {
      std::string Attribute = "TA.AperFunction,";
      Attribute += AperFunctionText(U.Function);
      AddAttribute(Out, Attribute, AttributesAsComments);
      FunctionSet = AnyFunction = true;
    } else if (FunctionSet) {
      AddAttribute(Out, "TD.AperFunction", AttributesAsComments);
      FunctionSet = false;
    }
    const TApertureTableItem* Item = Table.FindByDCode(U.TableDCode);
    if (Item) AddApertureDefinition(Out, U.FileDCode, Item->Shape, Item->Size);
  }
  if (AnyFunction) AddAttribute(Out, "TD.AperFunction", AttributesAsComments);
}

}  // namespace quillon::fab
