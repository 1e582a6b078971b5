// SPDX-License-Identifier: MIT
#include "script/fab/FabOutline.h"

#include <algorithm>
#include <string>
#include <vector>

#include "script/ConvertError.h"
#include "script/ScriptPcb.h"
#include "script/fab/FabFunctions.h"
#include "script/fab/FabProvenance.h"

namespace quillon::fab {

namespace {
constexpr std::int32_t LineDCode = 10;
constexpr const char* LineWidth = "0.1";  // OutlineLineWidthMm
}  // namespace

TFabOutlineWriter::TFabOutlineWriter(const TScriptingPcb& Board) : Board(Board), Pen(Body) {
  const TExtents& E = Board.Extents;
  const TFabPoint A = ToFabPoint(std::min(E.Left, E.Right), std::min(E.Top, E.Bottom), Board.Scale);
  const TFabPoint B = ToFabPoint(std::max(E.Left, E.Right), std::max(E.Top, E.Bottom), Board.Scale);
  if (A.X == B.X || A.Y == B.Y)
    throw TConvertError(
        "the plot's header extents enclose no area: no outline can be drawn "
        "from them; choose an outline layer instead");
  Pen.Select(LineDCode);
  Pen.Move(A);
  Pen.Draw({B.X, A.Y});
  Pen.Draw(B);
  Pen.Draw({A.X, B.Y});
  Pen.Draw(A);
}

void TFabOutlineWriter::Finish(int IntegerDigits, TTextLines& File) {
  File.Clear();
  const std::vector<std::string> Provenance = ProvenanceAttributes(Board);
  AddFabHeader(File, {FabTitle(Board.Title), FileFunction(TLayerRole::Outline), IntegerDigits,
                      Board.X2AsComments, Provenance});
  AddAttribute(File, "TA.AperFunction,Profile", Board.X2AsComments);
  LineBuilder(File) << "%ADD" << LineDCode << "C," << LineWidth << "*%";
  AddAttribute(File, "TD.AperFunction", Board.X2AsComments);
  File.AddAll(Body);
  File.Add("M02*");
}

}  // namespace quillon::fab
