// SPDX-License-Identifier: MIT
#include "check/scripts/ScriptExpectation.h"

#include <algorithm>
#include <cmath>

#include "check/ExpectedDrawing.h"
#include "check/RasterPainter.h"
#include "check/scripts/Cam350MacroReader.h"
#include "check/scripts/DrawnItemsPainter.h"
#include "font/TextStrokes.h"
#include "preview/BoardRenderer.h"

namespace quillon::check::scripts {

namespace {

TPointMm Mm(const TScriptingPcb& Board, std::int32_t X, std::int32_t Y) {
  return {X * Board.Scale, Y * Board.Scale};
}

bool Sane(double Size) { return std::isfinite(Size) && Size >= 0 && Size <= preview::MaxPinSizeMm; }

TDrawnPad PadOf(TPointMm Center, std::uint8_t Shape, double Size) {
  return {Center, Shape == shapeSquare ? TPadShape::Square : TPadShape::Round, Size, false};
}

// The largest size a flash of a pin without a row may be given: the writer
// takes some row's sizes, or a 1 mm mark when the pin has no pad shape.
double UndefinedMarkSize(const TPins& Pins) {
  double Size = 1;
  for (int I = 0; I <= Pins.High(); ++I) {
    const TPinRecord R = Pins.Get(I);
    if (Sane(R.Aperture)) Size = std::max(Size, R.Aperture);
    if (Sane(R.Hole)) Size = std::max(Size, R.Hole);
  }
  return Size * 1.5;
}

// A CAM350 padstack: the rows of its pin in order, each defining its pad on
// the top and bottom layers (when it has a shape) and its hole on the drill
// layer; a later definition of a layer replaces an earlier.
void Cam350Flashes(const TScriptingPcb& Board, int L, std::vector<TDrawnItem>& Out) {
  for (int Source = 0; Source < Board.Layers.Count(); ++Source)
    for (const TPcbFlash& Flash : Board.Layers.Items(Source).Flashes) {
      const std::int32_t Row = PinRowOf(Flash.PinNumber);
      std::optional<TDrawnPad> Pad;
      for (int I = 0; I <= Board.Pins.High(); ++I) {
        const TPinRecord R = Board.Pins.Get(I);
        if (R.PinNumber != Row) continue;
        const TPointMm C = Mm(Board, Flash.X, Flash.Y);
        if (R.Shape != shapeNone && (L == Board.PadTopLayer || L == Board.PadBottomLayer))
          Pad = PadOf(C, R.Shape, R.Aperture);
        if (L == Board.DrillLayer) Pad = PadOf(C, shapeCircle, R.Hole);
      }
      if (Pad && Sane(Pad->Size)) Out.push_back(*Pad);
    }
}

// A Genesis script: each flash's pad on the top and bottom layers, its hole
// on the drill layer. A pin without a row (added or not, as answered) and a
// pad without a shape (written as a marker symbol) are not compared.
void GenesisFlashes(const TScriptingPcb& Board, int L, const TWindow& View, TRaster& Ignore,
                    std::vector<TDrawnItem>& Out) {
  const bool PadLayer = L == Board.PadTopLayer || L == Board.PadBottomLayer;
  const bool DrillLayer = L == Board.DrillLayer;
  if (!PadLayer && !DrillLayer) return;
  TRasterPainter IgnorePainter(Ignore, View);
  const double Mark = UndefinedMarkSize(Board.Pins);
  for (int Source = 0; Source < Board.Layers.Count(); ++Source)
    for (const TPcbFlash& Flash : Board.Layers.Items(Source).Flashes) {
      const std::int32_t Row = PinRowOf(Flash.PinNumber);
      const TPointMm C = Mm(Board, Flash.X, Flash.Y);
      if (!Board.Pins.Exists(Row)) {
        IgnorePainter.Square(C, Mark);
        continue;
      }
      TPinRecord R;
      Board.Pins.FindByPin(Row, R);
      if (PadLayer && R.Shape == shapeNone) IgnorePainter.Square(C, Mark);
      if (PadLayer && R.Shape != shapeNone && Sane(R.Aperture))
        Out.push_back(PadOf(C, R.Shape, R.Aperture));
      if (DrillLayer && Sane(R.Hole)) Out.push_back(PadOf(C, shapeCircle, R.Hole));
    }
}

TDrawnText TextOf(const TScriptingPcb& Board, const TPcbText& T, std::uint8_t Justification) {
  TDrawnText D;
  D.Anchor = Mm(Board, T.X, T.Y);
  D.Justification = Justification;
  D.Size = T.Size * Board.Scale;
  D.Rotation = T.Rotation;
  D.Mirror = T.Mirror != 0 ? 1 : 0;
  D.Text = T.Text;
  return D;
}

// A CAM350 text whose justification is none of the nine keeps the one
// written before it, across layers, from the macro's opening "centred".
void Cam350Texts(const TScriptingPcb& Board, int L, std::vector<TDrawnItem>& Out) {
  std::uint8_t Current = PlotJustificationOfCam350(4);
  const double Pen = font::TextStrokeWidth(Board.Scale);
  for (int Layer = 0; Layer <= L; ++Layer)
    for (const TPcbText& T : Board.Layers.Items(Layer).Texts) {
      const int Column = T.Justification / 8, Row = T.Justification % 8;
      if (Column >= 3 && Column <= 5 && Row >= 1 && Row <= 3) Current = T.Justification;
      if (Layer != L) continue;
      TDrawnText D = TextOf(Board, T, Current);
      D.Width = Pen;
      Out.push_back(std::move(D));
    }
}

void GenesisTexts(const TScriptingPcb& Board, int L, std::vector<TDrawnItem>& Out) {
  for (const TPcbText& T : Board.Layers.Items(L).Texts) {
    TDrawnText D = TextOf(Board, T, T.Justification);
    D.Width = GenesisTextPen(D.Size);
    Out.push_back(std::move(D));
  }
}

void GenesisArcs(const TScriptingPcb& Board, int L, std::vector<TDrawnItem>& Out) {
  for (const TPcbArc& A : Board.Layers.Items(L).Arcs)
    Out.push_back(TDrawnArc{Mm(Board, A.CenterX, A.CenterY), Mm(Board, A.StartX, A.StartY),
                            Mm(Board, A.EndX, A.EndY), A.Width * Board.Scale, true});
}

}  // namespace

std::vector<TDrawnItem> ExpectedScriptItems(const TScriptingPcb& Board, TScriptFormat Format,
                                            std::uint8_t Items, int L, const TWindow& View,
                                            TRaster& Ignore) {
  std::vector<TDrawnItem> Out;
  if (L < 0 || L >= Board.Layers.Count()) return Out;
  switch (Format) {
    case TScriptFormat::Cam350TextMacro:
      Cam350Texts(Board, L, Out);
      break;
    case TScriptFormat::Cam350Macro:
      if (Items & coPads) Cam350Flashes(Board, L, Out);
      if (Items & coText) Cam350Texts(Board, L, Out);
      break;
    case TScriptFormat::GenesisScript:
      if (Items & coPads) GenesisFlashes(Board, L, View, Ignore, Out);
      if (Items & coArcs) GenesisArcs(Board, L, Out);
      if (Items & coText) GenesisTexts(Board, L, Out);
      break;
  }
  return Out;
}

void DrawExpectedScriptLayer(const TScriptingPcb& Board, TScriptFormat Format,
                             std::uint8_t Items, int L, const TWindow& View, TRaster& Picture,
                             TRaster& Ignore) {
  if (Format != TScriptFormat::Cam350TextMacro) {
    // Pourings, lines and (for CAM350) arcs as a Gerber layer file draws them.
    std::uint8_t Gerber = Items & (coPolygons | coLines | coArcs);
    if (Format == TScriptFormat::GenesisScript) Gerber &= ~coArcs;
    DrawExpectedLayer(Board, {L, TLayerRole::Other, Gerber, false}, View, Picture, Ignore);
  }
  PaintDrawnItems(ExpectedScriptItems(Board, Format, Items, L, View, Ignore), View, Picture);
}

}  // namespace quillon::check::scripts
