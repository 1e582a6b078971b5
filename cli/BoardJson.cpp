// SPDX-License-Identifier: MIT
#include "cli/BoardJson.h"

#include "model/Pcb.h"

namespace quillon::cli {

using Json = nlohmann::ordered_json;

namespace {

Json LineJson(const TPcbLine& L) {
  return {{"StartX", L.StartX},
          {"StartY", L.StartY},
          {"EndX", L.EndX},
          {"EndY", L.EndY},
          {"Width", L.Width},
          {"Kind", L.Kind},
          {"AttributeLow", L.AttributeLow},
          {"StyleWord", L.StyleWord}};
}

Json ArcJson(const TPcbArc& A) {
  return {{"CenterX", A.CenterX}, {"CenterY", A.CenterY},
          {"StartX", A.StartX},   {"StartY", A.StartY},
          {"EndX", A.EndX},       {"EndY", A.EndY},
          {"Width", A.Width},     {"AttributeLow", A.AttributeLow}};
}

Json TextJson(const TPcbText& T) {
  return {{"X", T.X},
          {"Y", T.Y},
          {"Rotation", T.Rotation},
          {"Mirror", T.Mirror},
          {"Size", T.Size},
          {"Justification", T.Justification},
          {"Text", PlotBytesAsUtf8(T.Text)}};
}

Json FlashJson(const TPcbFlash& F) {
  return {{"PinNumber", F.PinNumber}, {"Rotation", F.Rotation}, {"X", F.X}, {"Y", F.Y}};
}

template <class TList, class ToJson>
Json ListJson(const TList& Items, ToJson Convert) {
  Json List = Json::array();
  for (const auto& I : Items) List.push_back(Convert(I));
  return List;
}

Json PolygonJson(const TPcbComplexPolygon& P) {
  Json Outlines = Json::array();
  for (const TPoligonOutLine& O : P.OutLines)
    Outlines.push_back({{"Lines", ListJson(O.Lines, LineJson)}});
  return {{"Attribute", P.Attribute},
          {"OutLines", std::move(Outlines)},
          {"Circles", ListJson(P.Circles, ArcJson)}};
}

Json LayerJson(const TLayer& L) {
  return {{"Name", PlotBytesAsUtf8(L.Name)},
          {"Number", L.Number},
          {"Attribute", L.Attribute},
          {"Lines", ListJson(L.Lines, LineJson)},
          {"Arcs", ListJson(L.Arcs, ArcJson)},
          {"Texts", ListJson(L.Texts, TextJson)},
          {"Flashes", ListJson(L.Flashes, FlashJson)},
          {"Polygons", ListJson(L.Polygons, PolygonJson)}};
}

}  // namespace

std::string PlotBytesAsUtf8(std::string_view Bytes) {
  std::string Out;
  Out.reserve(Bytes.size());
  for (char C : Bytes) {
    const auto B = static_cast<unsigned char>(C);
    if (B < 0x80) {
      Out.push_back(C);
    } else {
      Out.push_back(static_cast<char>(0xC0 | (B >> 6)));
      Out.push_back(static_cast<char>(0x80 | (B & 0x3F)));
    }
  }
  return Out;
}

Json BoardJson(const TPcb& Pcb, bool Result) {
  const TExtents& E = Pcb.Extents;
  return {{"Result", Result},
          {"Version", Pcb.Version},
          {"Extents", {E.Left, E.Top, E.Right, E.Bottom}},
          {"Scale", Pcb.Scale},
          {"Layers", ListJson(Pcb.Layers, LayerJson)}};
}

}  // namespace quillon::cli
