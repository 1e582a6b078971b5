// SPDX-License-Identifier: MIT
#include "preview/SvgWriter.h"

#include <algorithm>

#include "pins/ApertureTable.h"
#include "preview/Palette.h"
#include "preview/PrimitiveBounds.h"
#include "preview/TextEncoding.h"
#include "text/NumberFormat.h"

namespace quillon::preview {

void AppendSvgNumber(std::string& Out, double V) {
  const std::size_t Start = Out.size();
  fmt::AppendFixed(Out, V, 4);
  const std::size_t Point = Out.find('.', Start);
  if (Point == std::string::npos) return;
  std::size_t End = Out.size();
  while (End > Point + 1 && Out[End - 1] == '0') --End;
  if (End == Point + 1) --End;
  Out.resize(End);
}

namespace {

// Writes every primitive as one element (or one group) into Out.
class TSvgSink final : public TPrimitiveSink {
 public:
  explicit TSvgSink(std::string& Out) : Out(Out) {}

  void Stroke(const TStroke& S) override {
    Open("path", S.Item);
    Out += " d=\"";
    AppendPoints(S.Points, S.Closed);
    Out += "\" fill=\"none\"";
    StrokeWidth(S.Width);
    Out += "/>\n";
  }

  void Fill(const TFill& F) override {
    Open("path", F.Item);
    Out += " d=\"";
    AppendPoints(F.Points, true);
    Out += "\" stroke=\"none\"/>\n";
  }

  void Arc(const TArc& A) override {
    if (A.SweepDeg >= 360.0) {
      Open("circle", A.Item);
      Attr("cx", A.Center.X);
      Attr("cy", -A.Center.Y);
      Attr("r", A.Radius);
    } else {
      Open("path", A.Item);
      Out += " d=\"M";
      Point(A.Start);
      Out += " A";
      Num(A.Radius);
      Num(A.Radius);
      // Large-arc flag; sweep flag 0: counter-clockwise once Y points down.
      Out += A.SweepDeg > 180.0 ? " 0 1 0" : " 0 0 0";
      Point(A.End);
      Out += '"';
    }
    Out += " fill=\"none\"";
    StrokeWidth(A.Width);
    Out += "/>\n";
  }

  void Region(const TRegion& R) override {
    Open("path", R.Item);
    Out += " d=\"";
    std::uint32_t Begin = 0;
    for (std::uint32_t End : R.RingEnds) {
      AppendPoints(R.Points.subspan(Begin, End - Begin), true);
      Out += ' ';
      Begin = End;
    }
    for (const TCircleMm& C : R.Voids) {
      CirclePath(C.Center, C.Radius);
      Out += ' ';
    }
    if (Out.back() == ' ') Out.pop_back();
    Out += "\" fill-rule=\"evenodd\" stroke=\"none\"/>\n";
  }

  // The strokes of the letters, with the string as the title so that it
  // stays searchable; a text without strokes (no size, no characters) is
  // the dot of its anchor, so that it can still be found.
  void TextBox(const TTextBox& T) override {
    Open("g", T.Item);
    Out += "><title>";
    AppendXmlText(Out, T.Text);
    Out += "</title>";
    if (T.StrokeEnds.empty()) {
      Out += "<circle";
      Attr("cx", T.Anchor.X);
      Attr("cy", -T.Anchor.Y);
      Attr("r", std::max(T.Height / 12, 0.05));
      Out += " stroke=\"none\"/></g>\n";
      return;
    }
    Out += "<path d=\"";
    std::uint32_t Begin = 0;
    for (const std::uint32_t End : T.StrokeEnds) {
      if (Begin > 0) Out += ' ';
      AppendPoints(T.Points.subspan(Begin, End - Begin), false);
      Begin = End;
    }
    Out += "\" fill=\"none\"";
    StrokeWidth(T.Width);
    Out += "/></g>\n";
  }

  void Pad(const TPad& P) override {
    const TPadLook Look = PadLook(P);
    if (Look.Pad && Look.HoleRing) {
      Open("g", P.Item);
      Out += '>';
      PadPath(P, false, nullptr);
      HoleCircle(P, nullptr);
      Out += "</g>\n";
    } else if (Look.Pad) {
      PadPath(P, Look.CutHole, &P.Item);
      Out += '\n';
    } else if (Look.HoleRing) {
      HoleCircle(P, &P.Item);
      Out += '\n';
    } else {
      Open("g", P.Item);  // nothing to see, but the id stays
      Out += "/>\n";
    }
  }

  void UndefinedPin(const TUndefinedPin& U) override {
    ++UndefinedPins;
    Open("g", U.Item);
    Out += " class=\"undefined-pin\" fill=\"none\" stroke=\"";
    AppendHexColour(Out, UndefinedPinColour);
    Out += '"';
    Attr("stroke-width", U.MarkSize / 8);
    Out += "><title>No description row for Pin# ";
    fmt::AppendInt(Out, U.RowPin);
    Out += "</title><circle";
    Attr("cx", U.Center.X);
    Attr("cy", -U.Center.Y);
    Attr("r", U.MarkSize / 2);
    Out += "/><path d=\"";
    const double H = U.MarkSize / 2;
    const TPointMm C = U.Center;
    Out += 'M';
    Point({C.X - H, C.Y - H});
    Out += " L";
    Point({C.X + H, C.Y + H});
    Out += " M";
    Point({C.X - H, C.Y + H});
    Out += " L";
    Point({C.X + H, C.Y - H});
    Out += "\"/></g>\n";
  }

  std::size_t Items = 0;
  std::size_t UndefinedPins = 0;

 private:
  // Opens Element with the id of Item, or without an id for a part of an item.
  void Open(const char* Element, const TItemRef* Item) {
    Out += '<';
    Out += Element;
    if (!Item) return;
    ++Items;
    Out += " id=\"l";
    fmt::AppendInt(Out, Item->Layer);
    Out += '-';
    Out += ItemKindId(Item->Kind);
    Out += '-';
    fmt::AppendInt(Out, Item->Index);
    Out += '"';
  }
  void Open(const char* Element, const TItemRef& Item) { Open(Element, &Item); }
  // Path data: a number follows its command letter directly, else a blank.
  void Num(double V) {
    const char Last = Out.back();
    if (Last != 'M' && Last != 'L' && Last != 'A') Out += ' ';
    AppendSvgNumber(Out, V);
  }
  void Attr(const char* Name, double V) {
    Out += ' ';
    Out += Name;
    Out += "=\"";
    AppendSvgNumber(Out, V);
    Out += '"';
  }
  void Point(TPointMm P) {
    Num(P.X);
    Num(-P.Y);
  }
  void StrokeWidth(double Width) {
    if (Width > 0)
      Attr("stroke-width", Width);
    else
      Out += " stroke-width=\"1\" vector-effect=\"non-scaling-stroke\"";
  }
  void AppendPoints(std::span<const TPointMm> Points, bool Closed) {
    for (std::size_t I = 0; I < Points.size(); ++I) {
      Out += I == 0 ? "M" : " L";
      Point(Points[I]);
    }
    if (Closed) Out += " Z";
  }
  void CirclePath(TPointMm C, double R) {
    Out += 'M';
    Point({C.X + R, C.Y});
    Out += " A";
    Num(R);
    Num(R);
    Out += " 0 1 0";
    Point({C.X - R, C.Y});
    Out += " A";
    Num(R);
    Num(R);
    Out += " 0 1 0";
    Point({C.X + R, C.Y});
    Out += " Z";
  }
  void PadPath(const TPad& P, bool CutHole, const TItemRef* Item) {
    Open("path", Item);
    Out += " d=\"";
    if (P.Shape == shapeSquare)
      SquarePath(P.Center, P.Size);
    else
      CirclePath(P.Center, P.Size / 2);
    if (CutHole) {
      Out += ' ';
      CirclePath(P.Center, P.Hole / 2);
    }
    Out += "\" fill-rule=\"evenodd\" stroke=\"none\"/>";
  }
  void HoleCircle(const TPad& P, const TItemRef* Item) {
    Open("circle", Item);
    Attr("cx", P.Center.X);
    Attr("cy", -P.Center.Y);
    Attr("r", HoleRingRadius(P.Hole));
    Out += " fill=\"none\"";
    Attr("stroke-width", HoleRingWidth(P.Hole));
    Out += "/>";
  }
  void SquarePath(TPointMm C, double Side) {
    const double H = Side / 2;
    const TPointMm Corners[4] = {
        {C.X - H, C.Y - H}, {C.X + H, C.Y - H}, {C.X + H, C.Y + H}, {C.X - H, C.Y + H}};
    AppendPoints(Corners, true);
  }

  std::string& Out;
};

// Forwards every primitive to both sinks.
class TTeeSink final : public TPrimitiveSink {
 public:
  TTeeSink(TPrimitiveSink& A, TPrimitiveSink& B) : A(A), B(B) {}
  void Stroke(const TStroke& S) override { A.Stroke(S), B.Stroke(S); }
  void Fill(const TFill& F) override { A.Fill(F), B.Fill(F); }
  void Arc(const TArc& X) override { A.Arc(X), B.Arc(X); }
  void Region(const TRegion& R) override { A.Region(R), B.Region(R); }
  void TextBox(const TTextBox& T) override { A.TextBox(T), B.TextBox(T); }
  void Pad(const TPad& P) override { A.Pad(P), B.Pad(P); }
  void UndefinedPin(const TUndefinedPin& U) override { A.UndefinedPin(U), B.UndefinedPin(U); }

 private:
  TPrimitiveSink& A;
  TPrimitiveSink& B;
};

void OpenLayerGroup(std::string& Out, const TPcb& Board, int L) {
  const TLayer& Layer = Board.Layers.Items(L);
  const std::string Colour = HexColour(LayerColour(Board, L));
  Out += "<g id=\"layer-";
  fmt::AppendInt(Out, L);
  Out += "\" data-index=\"";
  fmt::AppendInt(Out, L);
  Out += "\" data-name=\"";
  AppendXmlText(Out, Layer.Name);
  Out += "\" data-role=\"";
  Out += RoleId(RoleOfLayerName(Layer.Name));
  Out += "\" fill=\"" + Colour + "\" stroke=\"" + Colour + "\" opacity=\"";
  AppendSvgNumber(Out, LayerOpacity);
  Out += "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n<title>";
  AppendXmlText(Out, Layer.Name);
  Out += "</title>\n";
}

// The drawn area with a margin, or a small square at the origin for nothing.
TBoxMm ViewOf(TBoxMm Drawn) {
  if (Drawn.Empty()) return {0, 0, 10, 10};
  const double Margin = std::max(1.0, 0.02 * std::max(Drawn.Width(), Drawn.Height()));
  return {Drawn.Left - Margin, Drawn.Bottom - Margin, Drawn.Right + Margin, Drawn.Top + Margin};
}

void AppendHeader(std::string& Out, const TBoxMm& View) {
  Out +=
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"";
  AppendSvgNumber(Out, View.Width());
  Out += "mm\" height=\"";
  AppendSvgNumber(Out, View.Height());
  Out += "mm\" viewBox=\"";
  AppendSvgNumber(Out, View.Left);
  Out += ' ';
  AppendSvgNumber(Out, -View.Top);
  Out += ' ';
  AppendSvgNumber(Out, View.Width());
  Out += ' ';
  AppendSvgNumber(Out, View.Height());
  Out += "\">\n<rect x=\"";
  AppendSvgNumber(Out, View.Left);
  Out += "\" y=\"";
  AppendSvgNumber(Out, -View.Top);
  Out += "\" width=\"";
  AppendSvgNumber(Out, View.Width());
  Out += "\" height=\"";
  AppendSvgNumber(Out, View.Height());
  Out += "\" fill=\"";
  AppendHexColour(Out, BackgroundColour);
  Out += "\"/>\n";
}

}  // namespace

TSvgPicture WriteSvg(const TPcb& Board, const TSvgOptions& Options) {
  const std::vector<int> Layers = Options.Layers.empty() ? StackingOrder(Board) : Options.Layers;

  std::string Body;
  TSvgSink Svg(Body);
  TBoundsSink Bounds;
  TTeeSink Both(Svg, Bounds);
  TBoardRenderer Renderer(Board, Options.Render);
  for (int L : Layers) {
    if (L < 0 || L >= Board.Layers.Count()) continue;
    OpenLayerGroup(Body, Board, L);
    Renderer.RenderLayer(L, Both);
    Body += "</g>\n";
  }

  TSvgPicture Picture;
  Picture.View = ViewOf(Bounds.Box);
  Picture.Items = Svg.Items;
  Picture.UndefinedPins = Svg.UndefinedPins;
  Picture.Text.reserve(Body.size() + 512);
  AppendHeader(Picture.Text, Picture.View);
  Picture.Text += Body;
  Picture.Text += "</svg>\n";
  return Picture;
}

}  // namespace quillon::preview
