// SPDX-License-Identifier: MIT
#pragma once
// Keeps a copy of every primitive a renderer sends, for tests to look at.

#include <string>
#include <vector>

#include "preview/Primitives.h"

namespace quillon::preview::test {

struct TRecorded {
  enum TWhat { Stroke, Fill, Arc, Region, TextBox, Pad, UndefinedPin } What = Stroke;
  TItemRef Item;
  std::vector<TPointMm> Points;         // stroke, fill, region, text box corners
  std::vector<std::uint32_t> RingEnds;  // region
  std::vector<TCircleMm> Voids;         // region
  std::vector<TPointMm> StrokePoints;   // text: its strokes, ending at RingEnds
  bool Closed = false;
  double Width = 0;
  TArc ArcData;
  TTextBox TextData;
  std::string Text;
  TPad PadData;
  TUndefinedPin MarkData;
};

class TRecordingSink final : public TPrimitiveSink {
 public:
  void Stroke(const TStroke& S) override {
    TRecorded& R = Add(TRecorded::Stroke, S.Item);
    R.Points.assign(S.Points.begin(), S.Points.end());
    R.Closed = S.Closed;
    R.Width = S.Width;
  }
  void Fill(const TFill& F) override {
    Add(TRecorded::Fill, F.Item).Points.assign(F.Points.begin(), F.Points.end());
  }
  void Arc(const TArc& A) override {
    TRecorded& R = Add(TRecorded::Arc, A.Item);
    R.ArcData = A;
    R.Width = A.Width;
  }
  void Region(const TRegion& G) override {
    TRecorded& R = Add(TRecorded::Region, G.Item);
    R.Points.assign(G.Points.begin(), G.Points.end());
    R.RingEnds.assign(G.RingEnds.begin(), G.RingEnds.end());
    R.Voids.assign(G.Voids.begin(), G.Voids.end());
  }
  void TextBox(const TTextBox& T) override {
    TRecorded& R = Add(TRecorded::TextBox, T.Item);
    R.TextData = T;
    R.TextData.Points = {}, R.TextData.StrokeEnds = {}, R.TextData.Text = {};  // not kept
    R.Text = std::string(T.Text);
    R.Points.assign(T.Corners.begin(), T.Corners.end());
    R.StrokePoints.assign(T.Points.begin(), T.Points.end());
    R.RingEnds.assign(T.StrokeEnds.begin(), T.StrokeEnds.end());
    R.Width = T.Width;
  }
  void Pad(const TPad& P) override { Add(TRecorded::Pad, P.Item).PadData = P; }
  void UndefinedPin(const TUndefinedPin& U) override {
    Add(TRecorded::UndefinedPin, U.Item).MarkData = U;
  }

  std::vector<TRecorded> All;

 private:
  TRecorded& Add(TRecorded::TWhat What, const TItemRef& Item) {
    All.emplace_back();
    All.back().What = What;
    All.back().Item = Item;
    return All.back();
  }
};

}  // namespace quillon::preview::test
