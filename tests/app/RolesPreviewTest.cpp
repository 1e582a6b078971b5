// SPDX-License-Identifier: MIT
// The Layers page draws by the roles chosen on the Plt page: colours and
// order follow the lists, not the layers' names; every role can be chosen.

#include <QComboBox>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QLabel>
#include <QListWidget>

#include "AppTestSupport.h"
#include "app/LayersView.h"
#include "preview/Palette.h"
#include "preview/qt/PainterSink.h"

namespace quillon::test {
namespace {

TEST(RolesPreview, BottomCopperLiesUnderTopCopperAndTheOutlineOnTop) {
  using R = TLayerRole;
  EXPECT_EQ(preview::StackingOrder({R::PadTop, R::PadBottom, R::Other, R::SilkTop, R::Outline,
                                    R::SilkBottom, R::Drill}),
            (std::vector<int>{1, 5, 0, 6, 3, 2, 4}));
  // By name as before: the roles the names give.
  TPcb Board;
  Board.Layers.Add().Name = "SOLDER";
  Board.Layers.Add().Name = "X";
  EXPECT_EQ(preview::RolesByName(Board), (std::vector<R>{R::PadBottom, R::Other}));
}

class RolesWindowTest : public WindowTest {};

TEST_F(RolesWindowTest, TheListsChooseEveryRoleAndThePreviewFollows) {
  Window->FileOpenAccept(QString::fromStdString(WritePlot(
      "r.plt",
      PlotBytes({{"A", 1}, {"B", 2}, {"C", 3}}, SelectLayer(1) + LineRecord(10, 1, 2, 3, 4)))));
  for (QComboBox* List :
       {Window->AperTopCB, Window->AperBotCB, Window->AperMskTopCB, Window->AperMskBotCB,
        Window->DrlCB, Window->SilkTopCB, Window->SilkBotCB, Window->OutlineCB})
    EXPECT_TRUE(List->isEnabled());
  EXPECT_EQ(Entries(Window->AperTopCB), QStringList({"1: A", "2: B", "3: C"}));
  Window->AperTopCB->setCurrentIndex(1);
  emit Window->AperTopCB->activated(1);
  Window->AperBotCB->setCurrentIndex(0);
  emit Window->AperBotCB->activated(0);
  Window->SilkTopCB->setCurrentIndex(3);  // entry 0 is "none"
  emit Window->SilkTopCB->activated(3);
  const QListWidget* Layers = Window->findChild<app::TLayersView*>()->LayerList();
  ASSERT_EQ(Layers->count(), 3);
  EXPECT_EQ(Layers->item(0)->toolTip(), "pads bottom");
  EXPECT_EQ(Layers->item(1)->toolTip(), "pads top");
  EXPECT_EQ(Layers->item(2)->toolTip(), "silkscreen top");
  const auto Swatch = [&](int I) {
    return Layers->item(I)->icon().pixmap(14, 14).toImage().pixelColor(7, 7);
  };
  EXPECT_EQ(Swatch(0), preview::ToQColor(preview::LayerColour({TLayerRole::PadBottom}, 0)));
  EXPECT_EQ(Swatch(1), preview::ToQColor(preview::LayerColour({TLayerRole::PadTop}, 0)));
  EXPECT_FALSE(Window->findChild<QLabel*>("Legend")->text().isEmpty());
}

}  // namespace
}  // namespace quillon::test
