#pragma once
// Boards for the fab tests, built through the model: a scale of 0.01 mm per
// database unit, so 100 units are 1 mm, written "1000000" in a fab file.

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "model/UserPrompts.h"
#include "script/ScriptPcb.h"

namespace quillon::test {

constexpr double FabScale = 0.01;

TLayer& AddLayer(TScriptingPcb& Board, const std::string& Name);
void AddLine(TLayer& Layer, std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2,
             std::int32_t Width, std::uint16_t Kind = kindLine);
void AddArc(TLayer& Layer, std::int32_t CX, std::int32_t CY, std::int32_t SX, std::int32_t SY,
            std::int32_t EX, std::int32_t EY, std::int32_t Width);
void AddFlash(TLayer& Layer, std::int32_t Pin, std::int32_t X, std::int32_t Y);
// A polygon outline through Points, one segment per pair of neighbours.
void AddOutline(TPcbComplexPolygon& Polygon, const std::vector<std::pair<int, int>>& Points);

// Five layers COMP, SOLDER, MSKGTP, MSKGBT, PIN chosen for their roles;
// pins 1 (round pad), 2 (square pad) and 3 (pad without hole); every kind of
// item on the top copper, arcs on the bottom, a polygon on the top mask and
// four flashes (pins 2, 3, 4, 2) on the drill layer.
void MakeRichBoard(TScriptingPcb& Board);

// Answers the pin questions from a script and records them.
class ScriptedPrompts final : public TUserPrompts {
 public:
  explicit ScriptedPrompts(std::deque<TAnswer> Answers) : Answers(std::move(Answers)) {}
  void NotifyUser(std::string_view) override {}
  TAnswer AskUser(std::string_view Text) override;
  std::vector<std::string> Asked;

 private:
  std::deque<TAnswer> Answers;
};

// The lines of a list, for comparing with an expected vector.
std::vector<std::string> LinesOf(const TTextLines& Lines);

}  // namespace quillon::test
