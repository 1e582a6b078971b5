// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QString>
#include <QXmlStreamReader>
#include <set>

#include "preview/Palette.h"
#include "preview/SvgWriter.h"
#include "support/TestBoards.h"

namespace quillon::preview::test {
namespace {

using namespace quillon::test;

struct TParsed {
  bool Ok = false;
  std::string Error;
  std::vector<std::string> GroupIds, GroupNames, GroupFills;
  std::set<std::string> Ids;
  bool DuplicateId = false;
  std::vector<std::string> Titles;
  std::string ViewBox;
};

// Reads the document back with a real XML parser.
TParsed Parse(const std::string& Svg) {
  TParsed P;
  QXmlStreamReader X(QByteArray::fromStdString(Svg));
  while (!X.atEnd()) {
    X.readNext();
    if (!X.isStartElement()) continue;
    const auto A = X.attributes();
    const std::string Id = A.value("id").toString().toStdString();
    if (!Id.empty() && !P.Ids.insert(Id).second) P.DuplicateId = true;
    if (X.name() == u"svg") P.ViewBox = A.value("viewBox").toString().toStdString();
    if (X.name() == u"g" && Id.rfind("layer-", 0) == 0) {
      P.GroupIds.push_back(Id);
      P.GroupNames.push_back(A.value("data-name").toString().toStdString());
      P.GroupFills.push_back(A.value("fill").toString().toStdString());
    }
    if (X.name() == u"title") P.Titles.push_back(X.readElementText().toStdString());
  }
  P.Ok = !X.hasError();
  P.Error = X.errorString().toStdString();
  return P;
}

// The lines of the document that hold an element with this id.
std::string ElementWithId(const std::string& Svg, const std::string& Id) {
  const std::size_t At = Svg.find(" id=\"" + Id + "\"");
  if (At == std::string::npos) return {};
  const std::size_t Begin = Svg.rfind('<', At);
  return Svg.substr(Begin, Svg.find('\n', At) - Begin);
}

TEST(PreviewSvg, NamesAndTextsOfAnyBytesGiveWellFormedUtf8) {
  TPcb Board;
  AddLayer(Board, "A&<\">", 1);
  TLayer& L = AddLayer(Board, std::string("\xCF\xC5\xD7", 3), 1);  // Cyrillic, Windows-1251
  TPcbText& T = L.Texts.Add();
  T.Size = 100;
  T.Text =
      "x\x01y\tz\x98 \xB9"
      "5 ]]> &amp;";
  const TSvgPicture Picture = WriteSvg(Board, {});
  const TParsed P = Parse(Picture.Text);
  ASSERT_TRUE(P.Ok) << P.Error << "\n" << Picture.Text;
  EXPECT_EQ(P.GroupIds, (std::vector<std::string>{"layer-0", "layer-1"}));
  EXPECT_EQ(P.GroupNames, (std::vector<std::string>{"A&<\">", "\xD0\x9F\xD0\x95\xD0\xA7"}));
  ASSERT_EQ(P.Titles.size(), 3u);
  // A control character and the byte the code page leaves undefined become
  // U+FFFD; the tab stays; 0xB9 is the numero sign.
  EXPECT_EQ(P.Titles[2],
            "x\xEF\xBF\xBDy\tz\xEF\xBF\xBD \xE2\x84\x96"
            "5 ]]> &amp;");
  EXPECT_NE(Picture.Text.find("<title>x\xEF\xBF\xBDy&#9;z\xEF\xBF\xBD \xE2\x84\x96"
                              "5 ]]&gt; &amp;amp;</title>"),
            std::string::npos);
}

TEST(PreviewSvg, OneGroupPerLayerWithItsRoleColourAndStableIds) {
  TPcb Board;
  for (const char* Name : {"comp", "SOLDER", "PIN", "MSKGTP", "MSKGBT", "SILK", "DIM"}) {
    TLayer& L = AddLayer(Board, Name, 1);
    AddLine(L.Lines, kindLine, {0, 0}, {100, 0}, 10);
    AddLine(L.Lines, kindLine, {0, 10}, {100, 10}, 10);
  }
  const TSvgPicture First = WriteSvg(Board, {});
  const TParsed P = Parse(First.Text);
  ASSERT_TRUE(P.Ok) << P.Error;
  EXPECT_FALSE(P.DuplicateId);
  // Bottom mask and copper first, then top mask and copper, drill, the rest.
  EXPECT_EQ(P.GroupIds, (std::vector<std::string>{"layer-4", "layer-1", "layer-3", "layer-0",
                                                  "layer-2", "layer-5", "layer-6"}));
  EXPECT_EQ(P.GroupFills, (std::vector<std::string>{"#288278", "#3c74e0", "#30aa58", "#d64038",
                                                    "#ececec", "#dcb430", "#aa64d7"}));
  EXPECT_EQ(First.Items, 14u);
  EXPECT_EQ(P.Ids.count("l6-line-1"), 1u);
  EXPECT_EQ(First.Text, WriteSvg(Board, {}).Text);

  // A chosen list draws those layers in its order, with the same ids.
  TSvgOptions Some;
  Some.Layers = {5, 0};
  const TParsed S = Parse(WriteSvg(Board, Some).Text);
  EXPECT_EQ(S.GroupIds, (std::vector<std::string>{"layer-5", "layer-0"}));
  EXPECT_EQ(S.Ids.count("l5-line-1"), 1u);
  EXPECT_EQ(S.Ids.count("l6-line-1"), 0u);
}

TEST(PreviewSvg, TheLayerGroupCarriesIndexNameRoleAndColour) {
  TPcb Board;
  AddLayer(Board, "COMP", 1);
  const std::string Svg = WriteSvg(Board, {}).Text;
  EXPECT_NE(Svg.find("<g id=\"layer-0\" data-index=\"0\" data-name=\"COMP\" "
                     "data-role=\"copper-top\" fill=\"#d64038\" stroke=\"#d64038\" "
                     "opacity=\"0.75\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n"
                     "<title>COMP</title>\n</g>\n</svg>\n"),
            std::string::npos)
      << Svg;
}

TEST(PreviewSvg, ItemsAreWrittenInMillimetresWithYFlipped) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "COMP", 1);
  AddLine(L.Lines, kindLine, {100, 200}, {300, 200}, 25);
  AddLine(L.Lines, kindRectangle, {100, 100}, {400, 300}, 0);
  AddLine(L.Lines, kindFilledRectangle, {-50, 0}, {50, 20}, 1);
  AddArc(L.Arcs, {0, 0}, {100, 0}, {0, 100}, 20);
  AddArc(L.Arcs, {0, 0}, {0, 100}, {100, 0}, 20);
  AddArc(L.Arcs, {500, 500}, {600, 500}, {600, 500}, 5);
  TPcbComplexPolygon& Poly = L.Polygons.Add();
  AddOutline(Poly, {{0, 0}, {1000, 0}, {0, 1000}});
  AddVoidCircle(Poly, {200, 200}, 50);
  const std::string Svg = WriteSvg(Board, {}).Text;

  EXPECT_EQ(ElementWithId(Svg, "l0-line-0"),
            "<path id=\"l0-line-0\" d=\"M1 -2 L3 -2\" fill=\"none\" stroke-width=\"0.25\"/>");
  EXPECT_EQ(ElementWithId(Svg, "l0-rect-1"),
            "<path id=\"l0-rect-1\" d=\"M1 -1 L4 -1 L4 -3 L1 -3 Z\" fill=\"none\" "
            "stroke-width=\"1\" vector-effect=\"non-scaling-stroke\"/>");
  EXPECT_EQ(ElementWithId(Svg, "l0-fillrect-2"),
            "<path id=\"l0-fillrect-2\" d=\"M-0.5 0 L0.5 0 L0.5 -0.2 L-0.5 -0.2 Z\" "
            "stroke=\"none\"/>");
  // Counter-clockwise on the board is sweep flag 0 once Y points down.
  EXPECT_EQ(ElementWithId(Svg, "l0-arc-0"),
            "<path id=\"l0-arc-0\" d=\"M1 0 A1 1 0 0 0 0 -1\" fill=\"none\" "
            "stroke-width=\"0.2\"/>");
  EXPECT_EQ(ElementWithId(Svg, "l0-arc-1"),
            "<path id=\"l0-arc-1\" d=\"M0 -1 A1 1 0 1 0 1 0\" fill=\"none\" "
            "stroke-width=\"0.2\"/>");
  EXPECT_EQ(ElementWithId(Svg, "l0-arc-2"),
            "<circle id=\"l0-arc-2\" cx=\"5\" cy=\"-5\" r=\"1\" fill=\"none\" "
            "stroke-width=\"0.05\"/>");
  EXPECT_EQ(ElementWithId(Svg, "l0-poly-0"),
            "<path id=\"l0-poly-0\" d=\"M0 0 L10 0 L0 -10 Z M2.5 -2 A0.5 0.5 0 1 0 1.5 -2 "
            "A0.5 0.5 0 1 0 2.5 -2 Z\" fill-rule=\"evenodd\" stroke=\"none\"/>");
}

// A text is the strokes of its letters with its string as the title; one
// without a size is the dot of its anchor.
TEST(PreviewSvg, ATextIsItsStrokesUnderItsTitle) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "SILK", 1);
  AddText(L, "I-", {100, 200}, 100, 34);
  AddText(L, "NONE", {100, 200}, 0, 34);
  const std::string Svg = WriteSvg(Board, {}).Text;
  // H 0.808; the cell band of 28 glyph units; "I" from the cap line to the
  // base line, centred in the ink part of its cell (0.57 W); "-" at the
  // band's glyph height 0.
  const std::string Text = ElementWithId(Svg, "l0-text-0");
  EXPECT_EQ(Text.substr(0, Text.find(" d=")), "<g id=\"l0-text-0\"><title>I-</title><path") << Text;
  EXPECT_NE(Text.find("\" fill=\"none\" stroke-width=\"0.1\"/></g>"), std::string::npos) << Text;
  EXPECT_EQ(std::count(Text.begin(), Text.end(), 'M'), 2);
  EXPECT_EQ(ElementWithId(Svg, "l0-text-1"),
            "<g id=\"l0-text-1\"><title>NONE</title><circle cx=\"1\" cy=\"-2\" r=\"0.05\" "
            "stroke=\"none\"/></g>");
}

TEST(PreviewSvg, PadsCutTheirHoleAndMissingPinsAreMarked) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "PIN", 1);
  AddFlash(L, 1, {1000, 1000});
  AddFlash(L, 2, {2000, 1000});
  AddFlash(L, 3, {3000, 1000});
  AddFlash(L, 9, {4000, 1000});
  TPins Pins;
  Pins.Append(PinRow(0, 0.5, 2, shapeSquare));
  Pins.Append(PinRow(1, 0.8, 0, shapeNone));
  Pins.Append(PinRow(2, 1, 1, shapeCircle));  // the hole fills the pad
  TSvgOptions Options;
  Options.Render.Pins = &Pins;
  const TSvgPicture Picture = WriteSvg(Board, Options);
  const std::string& Svg = Picture.Text;
  EXPECT_EQ(Picture.UndefinedPins, 1u);
  EXPECT_EQ(ElementWithId(Svg, "l0-flash-0"),
            "<path id=\"l0-flash-0\" d=\"M9 -9 L11 -9 L11 -11 L9 -11 Z M10.25 -10 A0.25 0.25 0 1 "
            "0 9.75 -10 A0.25 0.25 0 1 0 10.25 -10 Z\" fill-rule=\"evenodd\" stroke=\"none\"/>");
  EXPECT_EQ(ElementWithId(Svg, "l0-flash-1"),
            "<circle id=\"l0-flash-1\" cx=\"20\" cy=\"-10\" r=\"0.35\" fill=\"none\" "
            "stroke-width=\"0.1\"/>");
  EXPECT_EQ(ElementWithId(Svg, "l0-flash-2"),
            "<g id=\"l0-flash-2\"><path d=\"M30.5 -10 A0.5 0.5 0 1 0 29.5 -10 A0.5 0.5 0 1 0 "
            "30.5 -10 Z\" fill-rule=\"evenodd\" stroke=\"none\"/><circle cx=\"30\" cy=\"-10\" "
            "r=\"0.4375\" fill=\"none\" stroke-width=\"0.125\"/></g>");
  EXPECT_EQ(ElementWithId(Svg, "l0-flash-3"),
            "<g id=\"l0-flash-3\" class=\"undefined-pin\" fill=\"none\" stroke=\"#ff00ff\" "
            "stroke-width=\"0.125\"><title>No description row for Pin# 8</title><circle "
            "cx=\"40\" cy=\"-10\" r=\"0.5\"/><path d=\"M39.5 -9.5 L40.5 -10.5 M39.5 -10.5 L40.5 "
            "-9.5\"/></g>");
  EXPECT_TRUE(Parse(Svg).Ok);
}

TEST(PreviewSvg, TheViewBoxIsTheDrawnAreaWithAMargin) {
  TPcb Board;
  AddLine(AddLayer(Board, "COMP", 1).Lines, kindLine, {0, 0}, {10000, 5000}, 0);
  const TSvgPicture Picture = WriteSvg(Board, {});
  // 100 x 50 mm and 2 mm around; Y flipped, so the top edge is at -52.
  EXPECT_NE(Picture.Text.find("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
                              "width=\"104mm\" height=\"54mm\" viewBox=\"-2 -52 104 54\">\n"
                              "<rect x=\"-2\" y=\"-52\" width=\"104\" height=\"54\" "
                              "fill=\"#10141a\"/>\n"),
            std::string::npos)
      << Picture.Text.substr(0, 300);
  EXPECT_EQ(Picture.Text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n", 0), 0u);

  TPcb Empty;
  const TParsed P = Parse(WriteSvg(Empty, {}).Text);
  EXPECT_TRUE(P.Ok);
  EXPECT_EQ(P.ViewBox, "0 -10 10 10");
}

TEST(PreviewSvg, NumbersKeepFourDecimalsAtMostAndNoNegativeZero) {
  std::string S;
  for (double V : {0.0, -0.00001, 12.5, -3.0, 1.23456, 1e6, 0.1 + 0.2}) {
    AppendSvgNumber(S, V);
    S += ' ';
  }
  EXPECT_EQ(S, "0 0 12.5 -3 1.2346 1000000 0.3 ");
}

}  // namespace
}  // namespace quillon::preview::test
