// SPDX-License-Identifier: MIT
#pragma once
// Writes one plot layer as a fab-profile Gerber file: the same polygons,
// flashes, lines and arcs as the legacy layer file, item for item, in a form
// that today's readers accept without deprecated constructs.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "font/TextStrokes.h"
#include "script/fab/ExcellonWriter.h"
#include "script/fab/FabApertures.h"
#include "script/fab/FabFunctions.h"
#include "script/fab/FabGerberBody.h"
#include "text/TextLines.h"

namespace quillon {
class TScriptingPcb;
struct TPoligonOutLine;
struct TPcbArc;
}  // namespace quillon

namespace quillon::fab {

class TFabGerberWriter {
 public:
  TFabGerberWriter(TScriptingPcb& Board, int L);

  // Writes the body of the layer with the items that Options (the
  // conversion's item switches) allow. The holes that the drill layer's
  // flashes make are appended to Holes.
  void WriteBody(std::uint8_t Options, std::vector<TDrillHole>& Holes);
  // What the body could not draw as the board has it: one line per text
  // skipped or drawn in part, naming the layer and the text's index.
  const std::vector<std::string>& Warnings() const { return TextWarnings; }
  // The largest coordinate magnitude of the body, in output units.
  std::int64_t Farthest() const { return std::max(Pen.Farthest(), TextReach); }
  // The whole file into File: header with IntegerDigits (the same for every
  // file of the board), apertures, body.
  void Finish(int IntegerDigits, TTextLines& File);

 private:
  void WritePolygons();
  void WriteFlashes(std::vector<TDrillHole>& Holes);
  void WriteLines();
  void WriteArcs();
  // Texts are drawn last, as the strokes of the stroke font. A big board's
  // texts make as many bytes as all its other items, so they are not held
  // in the body: CheckTexts decides which texts are drawn and how far they
  // reach (the box grown by the pen), Finish draws them into the file.
  void CheckTexts();
  void WriteTexts(TFabGerberBody& TextPen);
  void WriteTextStrokes(TFabGerberBody& TextPen);
  void WarnText(int Index, std::string_view What);

  // A region of the corners collected in Contour; nothing when they enclose
  // nothing (fewer than three corners once repeats are dropped).
  void WriteContourRegion();
  void CollectOutline(const TPoligonOutLine& Outline);
  void WriteCircleRegion(const TPcbArc& Circle);
  // The file's D-code of the round aperture of a stroke of Width.
  std::int32_t StrokeDCode(std::int32_t Width);
  TFabPoint Point(std::int32_t X, std::int32_t Y) const;

  TScriptingPcb& Board;
  const int L;
  const TLayerRole Role;
  TTextLines Body;
  TFabGerberBody Pen;
  TFabApertures Used;
  std::vector<TFabPoint> Contour;
  font::TTextStrokes Letters;
  std::vector<int> TextsToDraw;  // indexes into the layer's texts
  std::int32_t TextDCode = 0;
  std::int64_t TextReach = 0;
  std::size_t TextLineEstimate = 0;
  std::vector<std::string> TextWarnings;
};

}  // namespace quillon::fab
