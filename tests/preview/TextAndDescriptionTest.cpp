// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "preview/ItemDescription.h"
#include "preview/LayerSelection.h"
#include "preview/Palette.h"
#include "preview/TextEncoding.h"
#include "support/TestBoards.h"

namespace quillon::preview::test {
namespace {

using namespace quillon::test;

TEST(PreviewText, Windows1251BytesBecomeUtf8) {
  // The square word of pin descriptions, then the bytes 0x80 to 0xBF that do
  // not follow the Cyrillic alphabet's run.
  EXPECT_EQ(Utf8FromCp1251("\xEA\xE2\xE0\xE4"), "\xD0\xBA\xD0\xB2\xD0\xB0\xD0\xB4");
  EXPECT_EQ(Utf8FromCp1251("\xC0\xFF\xA8\xB8"), "\xD0\x90\xD1\x8F\xD0\x81\xD1\x91");
  EXPECT_EQ(Utf8FromCp1251("\x88\xB9\xA0\x80"), "\xE2\x82\xAC\xE2\x84\x96\xC2\xA0\xD0\x82");
  EXPECT_EQ(Utf8FromCp1251(std::string("a\0b\x1F\x98", 5)),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD\xEF\xBF\xBD");
  EXPECT_EQ(Utf8FromCp1251("\t\r\n\x7F"), "\t\r\n\x7F");
}

TEST(PreviewText, XmlTextEscapesWhatMarkupAndAttributesWouldChange) {
  std::string Out;
  AppendXmlText(Out, "<a href=\"x\">&'\t\n\r</a>");
  EXPECT_EQ(Out, "&lt;a href=&quot;x&quot;&gt;&amp;'&#9;&#10;&#13;&lt;/a&gt;");
}

TEST(PreviewLayers, RolesComeFromTheDefaultLayerNamesInAnyCase) {
  EXPECT_EQ(RoleOfLayerName("Comp"), TLayerRole::PadTop);
  EXPECT_EQ(RoleOfLayerName("SOLDER"), TLayerRole::PadBottom);
  EXPECT_EQ(RoleOfLayerName("pin"), TLayerRole::Drill);
  EXPECT_EQ(RoleOfLayerName("MskGtp"), TLayerRole::MaskTop);
  EXPECT_EQ(RoleOfLayerName("MSKGBT"), TLayerRole::MaskBottom);
  EXPECT_EQ(RoleOfLayerName("COMP1"), TLayerRole::Other);
  EXPECT_EQ(RoleOfLayerName(""), TLayerRole::Other);
}

TEST(PreviewLayers, AListNamesLayersByIndexOrName) {
  TPcb Board;
  for (const char* Name : {"COMP", "SOLDER", "12", "\xCF\xC8\xCD"}) AddLayer(Board, Name, 1);
  std::vector<int> Layers;
  std::string Error;
  ASSERT_TRUE(SelectLayers(Board, " solder ,0,comp,3", Layers, Error)) << Error;
  EXPECT_EQ(Layers, (std::vector<int>{1, 0, 3}));
  // Digits are an index first; a Cyrillic name matches its UTF-8 spelling.
  ASSERT_TRUE(SelectLayers(Board, "2,\xD0\x9F\xD0\x98\xD0\x9D", Layers, Error)) << Error;
  EXPECT_EQ(Layers, (std::vector<int>{2, 3}));

  EXPECT_FALSE(SelectLayers(Board, "4", Layers, Error));
  EXPECT_EQ(Error,
            "no layer with index 4 (layers: 0 COMP, 1 SOLDER, 2 12, 3 \xD0\x9F\xD0\x98\xD0\x9D)");
  EXPECT_FALSE(SelectLayers(Board, "99999999999999999999", Layers, Error));
  EXPECT_FALSE(SelectLayers(Board, "TOP", Layers, Error));
  EXPECT_EQ(Error.rfind("no layer named 'TOP' (layers: 0 COMP", 0), 0u);
  EXPECT_FALSE(SelectLayers(Board, "0,,1", Layers, Error));
  EXPECT_EQ(Error, "an empty entry in the layer list");
  EXPECT_FALSE(SelectLayers(Board, "", Layers, Error));
}

TEST(PreviewDescription, TellsKindIndexLayerAndFieldsInMillimetres) {
  TPcb Board;
  TLayer& L = AddLayer(Board, "COMP", 1);
  AddLine(L.Lines, kindLine, {100, 200}, {300, 200}, 25);
  AddLine(L.Lines, kindFilledRectangle, {0, 0}, {50, 20}, 1);
  AddArc(L.Arcs, {0, 0}, {100, 0}, {0, 100}, 20);
  AddArc(L.Arcs, {0, 0}, {100, 0}, {100, 0}, 0);
  TPcbText& T = L.Texts.Add();
  T.X = 10, T.Y = -20, T.Size = 150, T.Rotation = 270, T.Mirror = 4, T.Justification = 42;
  T.Text = "R\xC1";
  AddFlash(L, 3, {500, 600});
  AddFlash(L, 9, {0, 0});
  TPcbComplexPolygon& P = L.Polygons.Add();
  AddOutline(P, {{0, 0}, {10, 0}, {0, 10}});
  AddVoidCircle(P, {2, 2}, 1);
  TPins Pins;
  Pins.Append(PinRow(2, 0.9, 1.6, shapeCircle));
  const TRenderOptions Options{0.01, &Pins};
  auto Describe = [&](TItemKind Kind, int Index) {
    return DescribeItem(Board, Options, {0, Kind, Index});
  };
  EXPECT_EQ(Describe(TItemKind::Line, 0),
            "Line 0 on layer 0 COMP (mm): start (1.000, 2.000), end (3.000, 2.000), width 0.250");
  EXPECT_EQ(Describe(TItemKind::FilledRectangle, 1),
            "Filled rectangle 1 on layer 0 COMP (mm): corner (0.000, 0.000), opposite corner "
            "(0.500, 0.200)");
  EXPECT_EQ(Describe(TItemKind::Arc, 0),
            "Arc 0 on layer 0 COMP (mm): center (0.000, 0.000), start (1.000, 0.000), end (0.000, "
            "1.000), radius 1.000, counter-clockwise 90.0 degrees, width 0.200");
  EXPECT_EQ(Describe(TItemKind::Arc, 1),
            "Arc 1 on layer 0 COMP (mm): center (0.000, 0.000), start (1.000, 0.000), end (1.000, "
            "0.000), radius 1.000, full circle, width 0.000");
  EXPECT_EQ(Describe(TItemKind::Text, 0),
            "Text 0 on layer 0 COMP (mm): \"R\xD0\x91\" at (0.100, -0.200), size 1.500, rotation "
            "270, mirrored, justification 42");
  EXPECT_EQ(Describe(TItemKind::Flash, 0),
            "Flash 0 on layer 0 COMP (mm): pin 3 at (5.000, 6.000), rotation 0; Pin# 2: Circle "
            "pad 1.600, hole 0.900");
  EXPECT_EQ(Describe(TItemKind::Flash, 1),
            "Flash 1 on layer 0 COMP (mm): pin 9 at (0.000, 0.000), rotation 0; no description "
            "row for Pin# 8");
  EXPECT_EQ(Describe(TItemKind::Polygon, 0),
            "Polygon 0 on layer 0 COMP (mm): 1 outline, 3 points, 1 void circle");
  EXPECT_EQ(DescribeItem(Board, Options, {1, TItemKind::Line, 0}), "");
}

}  // namespace
}  // namespace quillon::preview::test
