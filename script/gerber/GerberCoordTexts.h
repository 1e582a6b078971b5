// SPDX-License-Identifier: MIT
#pragma once
// The Gerber text of each whole database coordinate, formatted once
// (text/TextMemo.h): lines, outlines and flashes write the same coordinates
// again and again.

#include <cstdint>
#include <memory>

#include "script/gerber/GerberCoord.h"
#include "text/TextMemo.h"

namespace quillon {

class TGerberCoordTexts {
 public:
  // The texts are those of Coord for Value * Scale: other settings than the
  // last ones forget every text remembered. Before the first Write.
  void Use(const TGerberCoord& Coord, double Scale);

  // What Coord.WriteFast(P, Value * Scale) writes, at P (room for
  // TGerberCoord::MaxFastChars); returns its end, or nullptr (nothing
  // written) where WriteFast declines.
  char* Write(char* P, std::int32_t Value) {
    return Memo->Write(P, Value, [&](char* At) { return Coord.WriteFast(At, Value * Scale); });
  }

 private:
  // A sign and ten digits: 16-byte entries, four to a cache line.
  static constexpr std::size_t MaxText = 11;
  static_assert(MaxText <= TGerberCoord::MaxFastChars);
  // Taken by the first Use: most boards never write Gerber.
  std::unique_ptr<TTextMemo<std::int32_t, MaxText>> Memo;
  TGerberCoord Coord;
  double Scale = 0;
};

}  // namespace quillon
