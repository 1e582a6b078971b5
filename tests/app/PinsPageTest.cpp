// SPDX-License-Identifier: MIT
// The "Pins" page: opening a description, OEM and ANSI, reading the memo
// (all of it or the selection) into the pin table and the grid.

#include <QComboBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "AppTestSupport.h"

namespace quillon::test {
namespace {

class PinsPageTest : public WindowTest {
 protected:
  QString OpenDescription(const std::string& Bytes) {
    const std::string Path = Tmp.File("pins.txt");
    WriteFile(Path, Bytes);
    Window->PinFileOpenAccept(QString::fromStdString(Path));
    return QString::fromStdString(Path);
  }
  // Grid rows as "cell|cell|cell|cell", the header first.
  QStringList GridRows() const {
    const QTableWidget* Grid = Window->PinsStringGrid;
    QStringList Rows, Header;
    for (int C = 0; C < Grid->columnCount(); ++C)
      Header.append(Grid->horizontalHeaderItem(C) ? Grid->horizontalHeaderItem(C)->text() : "");
    Rows.append(Header.join(u'|'));
    for (int R = 0; R < Grid->rowCount(); ++R) {
      QStringList Cells;
      for (int C = 0; C < Grid->columnCount(); ++C)
        Cells.append(Grid->item(R, C) ? Grid->item(R, C)->text() : "");
      Rows.append(Cells.join(u'|'));
    }
    return Rows;
  }
  void SelectLine(int Line) {
    QTextCursor Cursor(Window->PinMemo->document()->findBlockByNumber(Line));
    Cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    Window->PinMemo->setTextCursor(Cursor);
  }

  const std::string Description = "Pin# Hole Aper\r\n1  0.9  1.6\r\n2  1.0  2.0  2\r\n";
};

TEST_F(PinsPageTest, StartsWithAnEmptyGrid) {
  EXPECT_EQ(GridRows(), QStringList({"Pin#|Hole|Aper|Aper Type", "|||"}));
  EXPECT_TRUE(Window->PinsStringGrid->verticalHeader()->isHidden());
}

TEST_F(PinsPageTest, OpeningShowsTheFileAndMovesTheFolders) {
  const QString Path = OpenDescription(Description);
  EXPECT_EQ(Window->PinMemo->toPlainText(), "Pin# Hole Aper\n1  0.9  1.6\n2  1.0  2.0  2");
  EXPECT_EQ(Window->DescriptionText.Count(), 3);
  EXPECT_EQ(Window->DescriptionText[1], "1  0.9  1.6");
  const QString Folder = QString::fromStdString(Tmp.Path().string());
  EXPECT_EQ(Window->PlotDialog.InitialDir, Folder);
  EXPECT_EQ(Window->SaveDialog.InitialDir, Folder);
  EXPECT_EQ(Window->PinDialog.FileName, Path);
}

TEST_F(PinsPageTest, ReadTakesTheWholeMemoWithTheChosenLayoutAndUnits) {
  OpenDescription(Description);
  Window->HUnitCombo->setCurrentIndex(1);  // Inch holes
  Window->ReadPinBtnClick();
  EXPECT_EQ(GridRows(), QStringList({"Pin#|Hole|Aper|Aper Type", "1|22.8600|1.6000|Circle",
                                     "2|25.4000|2.0000|Square"}));
  EXPECT_EQ(Window->Board->Pins.HoleUnit(), 1);
  EXPECT_EQ(Window->Board->Pins.ApertureUnit(), 0);
  Window->HUnitCombo->setCurrentIndex(0);
  Window->pinFormatCB->setCurrentIndex(1);  // Pin# Aper Hole
  Window->ReadPinBtnClick();
  EXPECT_EQ(GridRows(), QStringList({"Pin#|Hole|Aper|Aper Type", "1|1.6000|0.9000|Circle",
                                     "2|2.0000|1.0000|Square"}));
}

TEST_F(PinsPageTest, ReadTakesOnlyTheSelectedText) {
  OpenDescription(Description);
  SelectLine(2);
  Window->ReadPinBtnClick();
  EXPECT_EQ(GridRows(), QStringList({"Pin#|Hole|Aper|Aper Type", "2|1.0000|2.0000|Square"}));
  // A selection over two lines reads both.
  QTextCursor Cursor(Window->PinMemo->document()->findBlockByNumber(1));
  Cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  Window->PinMemo->setTextCursor(Cursor);
  Window->ReadPinBtnClick();
  EXPECT_EQ(Window->Board->Pins.High(), 1);
}

TEST_F(PinsPageTest, EditsAreReadAsWindows1251) {
  OpenDescription(Description);
  // The user types the Russian word for square: its 1251 bytes make Square.
  Window->PinMemo->setPlainText(QString::fromUtf8("7  1.0  1.5 квадрат"));
  Window->ReadPinBtnClick();
  EXPECT_EQ(GridRows(), QStringList({"Pin#|Hole|Aper|Aper Type", "7|1.0000|1.5000|Square"}));
  EXPECT_EQ(Window->DescriptionText[1], "1  0.9  1.6");  // the file's lines stay
}

TEST_F(PinsPageTest, OemConvertsAndAnsiShowsTheFileDiscardingEdits) {
  // "Отв 1  0.9  1.6" with the first word in code page 866.
  OpenDescription("\x8E\xE2\xA2 1  0.9  1.6\r\n");
  EXPECT_EQ(Window->PinMemo->toPlainText(), QString::fromUtf8("Ћвў 1  0.9  1.6"));
  Window->OEMBtn->click();
  EXPECT_TRUE(Window->OEMBtn->isChecked());
  EXPECT_FALSE(Window->ANSIBtn->isChecked());
  EXPECT_EQ(Window->PinMemo->toPlainText(), QString::fromUtf8("Отв 1  0.9  1.6"));
  Window->PinMemo->setPlainText("edited");
  Window->OEMBtn->click();  // pressing it again shows the conversion again
  EXPECT_EQ(Window->PinMemo->toPlainText(), QString::fromUtf8("Отв 1  0.9  1.6"));
  Window->PinMemo->setPlainText("edited");
  Window->ANSIBtn->click();
  EXPECT_EQ(Window->PinMemo->toPlainText(), QString::fromUtf8("Ћвў 1  0.9  1.6"));
  EXPECT_EQ(Window->DescriptionText[0], "\x8E\xE2\xA2 1  0.9  1.6");
}

TEST_F(PinsPageTest, OemWithoutADescriptionDoesNothing) {
  Window->PinMemo->setPlainText("typed by hand");
  Window->OEMBtn->click();
  EXPECT_EQ(Window->PinMemo->toPlainText(), "typed by hand");
  Window->ANSIBtn->click();
  EXPECT_EQ(Window->PinMemo->toPlainText(), "typed by hand");
}

TEST_F(PinsPageTest, ANewDescriptionReplacesTheTableAndIsReadAtOnce) {
  OpenDescription(Description);
  Window->ReadPinBtnClick();
  Window->OEMBtn->click();
  OpenDescription("9  1.0\r\n");
  EXPECT_EQ(Window->Board->Pins.High(), 0);
  ASSERT_EQ(GridRows().size(), 2);
  EXPECT_TRUE(GridRows()[1].startsWith("9|")) << GridRows()[1].toStdString();
  EXPECT_TRUE(Window->ANSIBtn->isChecked());
  EXPECT_EQ(Window->PinMemo->toPlainText(), "9  1.0");
}

TEST_F(PinsPageTest, AnUnreadableDescriptionChangesNothing) {
  OpenDescription(Description);
  Window->ReadPinBtnClick();
  const QString Folder = Window->PlotDialog.InitialDir;
  Window->PinFileOpenAccept(QString::fromStdString(Tmp.File("missing.txt")));
  ASSERT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_TRUE(Boxes->Boxes[0].Text.startsWith("Cannot read the pin description"));
  EXPECT_EQ(Window->Board->Pins.High(), 1);
  EXPECT_EQ(Window->DescriptionText.Count(), 3);
  EXPECT_EQ(Window->PlotDialog.InitialDir, Folder);
  EXPECT_EQ(GridRows().size(), 3);
}

}  // namespace
}  // namespace quillon::test
