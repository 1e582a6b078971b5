// SPDX-License-Identifier: MIT
// The Layers page's item line: English word for word as the core's
// description, Russian under the window's translation with "мм".

#include <QCoreApplication>
#include <QTranslator>

#include "AppTestSupport.h"
#include "app/ItemText.h"
#include "app/Translation.h"
#include "preview/ItemDescription.h"
#include "support/TestBoards.h"

namespace quillon::test {
namespace {

using app::TItemText;
using preview::TItemKind;

class ItemTextTest : public ::testing::Test {
 protected:
  ItemTextTest() {
    TLayer& L = AddLayer(Board, "COMP", 1);
    AddLine(L.Lines, kindLine, {100, 200}, {300, 200}, 25);
    AddLine(L.Lines, kindRectangle, {0, 0}, {50, 20}, 5);
    AddLine(L.Lines, kindFilledRectangle, {0, 0}, {50, 20}, 1);
    AddArc(L.Arcs, {0, 0}, {100, 0}, {0, 100}, 20);
    AddArc(L.Arcs, {0, 0}, {100, 0}, {100, 0}, 0);
    TPcbText& T = L.Texts.Add();
    T.X = 10, T.Y = -20, T.Size = 150, T.Rotation = 270, T.Mirror = 4, T.Justification = 42;
    T.Text = "R\xC1 %1";  // a percent sign in the text stays as written
    TPcbText& Plain = L.Texts.Add();
    Plain.Text = "U1";
    AddFlash(L, 3, {500, 600});
    AddFlash(L, 9, {0, 0});
    TPcbComplexPolygon& One = L.Polygons.Add();
    AddOutline(One, {{0, 0}});
    AddVoidCircle(One, {2, 2}, 1);
    TPcbComplexPolygon& Many = L.Polygons.Add();
    AddOutline(Many, {{0, 0}, {10, 0}, {0, 10}});
    AddOutline(Many, {{0, 0}, {10, 0}, {0, 10}});
    Pins.Append(PinRow(2, 0.9, 1.6, shapeCircle));
  }
  QString Text(TItemKind Kind, int Index, int Layer = 0) const {
    return TItemText::Describe(Board, Options, {Layer, Kind, Index});
  }

  TPcb Board;
  TPins Pins;
  const preview::TRenderOptions Options{0.01, &Pins};
};

TEST_F(ItemTextTest, EnglishIsTheCoreDescriptionForEveryKind) {
  const std::pair<TItemKind, int> Items[] = {
      {TItemKind::Line, 0},    {TItemKind::Rectangle, 1}, {TItemKind::FilledRectangle, 2},
      {TItemKind::Arc, 0},     {TItemKind::Arc, 1},       {TItemKind::Text, 0},
      {TItemKind::Text, 1},    {TItemKind::Flash, 0},     {TItemKind::Flash, 1},
      {TItemKind::Polygon, 0}, {TItemKind::Polygon, 1}};
  for (const auto& [Kind, Index] : Items)
    EXPECT_EQ(Text(Kind, Index).toStdString(),
              preview::DescribeItem(Board, Options, {0, Kind, Index}))
        << preview::ItemKindName(Kind) << " " << Index;
  EXPECT_EQ(Text(TItemKind::Line, 0),
            "Line 0 on layer 0 COMP (mm): start (1.000, 2.000), end (3.000, 2.000), width 0.250");
  EXPECT_EQ(Text(TItemKind::Line, 0, 1), "");
}

TEST_F(ItemTextTest, RussianUnderTheWindowTranslation) {
  const std::unique_ptr<QTranslator> Russian =
      app::LoadWindowTranslation(QStringLiteral("ru"), QStringLiteral(QUILLON_BINARY_DIR));
  ASSERT_NE(Russian, nullptr);
  QCoreApplication::installTranslator(Russian.get());
  EXPECT_EQ(Text(TItemKind::Line, 0),
            "Линия 0 на слое 0 COMP (мм): начало (1.000, 2.000), конец (3.000, 2.000), "
            "ширина 0.250");
  EXPECT_EQ(Text(TItemKind::Flash, 0),
            "Засветка 0 на слое 0 COMP (мм): вывод 3 в (5.000, 6.000), поворот 0; Вывод# 2: "
            "площадка Круг 1.600, отверстие 0.900");
  EXPECT_EQ(Text(TItemKind::Flash, 1),
            "Засветка 1 на слое 0 COMP (мм): вывод 9 в (0.000, 0.000), поворот 0; в описании нет "
            "строки Вывод# 8");
  EXPECT_EQ(Text(TItemKind::Text, 0),
            "Текст 0 на слое 0 COMP (мм): \"RБ %1\" в (0.100, -0.200), размер 1.500, поворот 270, "
            "зеркально, выравнивание 42");
  EXPECT_EQ(Text(TItemKind::Arc, 0),
            "Дуга 0 на слое 0 COMP (мм): центр (0.000, 0.000), начало (1.000, 0.000), конец "
            "(0.000, 1.000), радиус 1.000, против часовой стрелки 90.0 град., ширина 0.200");
  EXPECT_EQ(Text(TItemKind::Polygon, 1),
            "Полигон 1 на слое 0 COMP (мм): 2 контура, 6 точек, 0 пустых кругов");
  EXPECT_EQ(Text(TItemKind::Polygon, 0),
            "Полигон 0 на слое 0 COMP (мм): 1 контур, 1 точка, 1 пустой круг");
  QCoreApplication::removeTranslator(Russian.get());
}

}  // namespace
}  // namespace quillon::test
