// SPDX-License-Identifier: MIT
// The pin table: reading the description with what it did not understand,
// rows that cannot be drilled, and the plot's pins the table lacks.

#include <QBrush>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextCursor>
#include <QTreeWidget>

#include "app/Cp1251.h"
#include "app/LayersView.h"
#include "app/PinGrid.h"
#include "app/QuillonMain.h"

namespace quillon::app {

namespace {

// The editor's text with its paragraph separators as line feeds.
QString PlainLines(QString Text) {
  Text.replace(QChar::ParagraphSeparator, u'\n');
  Text.replace(QChar::LineSeparator, u'\n');
  return Text;
}

// The pin table's words as the core writes them, for the translation.
[[maybe_unused]] constexpr const char* GridWords[] = {
    QT_TRANSLATE_NOOP("quillon::app::TQuillonMain", "Pin#"),
    QT_TRANSLATE_NOOP("quillon::app::TQuillonMain", "Hole"),
    QT_TRANSLATE_NOOP("quillon::app::TQuillonMain", "Aper"),
    QT_TRANSLATE_NOOP("quillon::app::TQuillonMain", "Aper Type"),
    QT_TRANSLATE_NOOP("quillon::app::TQuillonMain", "None"),
    QT_TRANSLATE_NOOP("quillon::app::TQuillonMain", "Circle"),
    QT_TRANSLATE_NOOP("quillon::app::TQuillonMain", "Square"),
    QT_TRANSLATE_NOOP("quillon::app::TQuillonMain", "Undefined"),
};

// At most this many lines are listed; the count tells the rest.
constexpr int SkippedLinesShown = 40;

}  // namespace

void TQuillonMain::ReadPinBtnClick() {
  if (Busy()) return;
  Guarded([&] {
    Board->Pins.Clear();
    const QTextCursor Cursor = PinMemo->textCursor();
    const QString Text = PlainLines(Cursor.hasSelection() ? Cursor.selectedText()
                                                          : PinMemo->document()->toRawText());
    const TTextLines Lines = TTextLines::FromText(ToCp1251(Text));
    std::vector<TSkippedPinLine> Skipped;
    Board->Pins.Parse(Lines, static_cast<std::uint8_t>(pinFormatCB->currentIndex()), &Skipped);
    Board->Pins.SetUnits(static_cast<std::uint8_t>(AUnitCombo->currentIndex()),
                         static_cast<std::uint8_t>(HUnitCombo->currentIndex()));
    // Blank lines say nothing: only lines with text count as not understood.
    SkippedLines.clear();
    for (const TSkippedPinLine& Line : Skipped) {
      const QString Shown = FromCp1251(Lines[Line.Line]).trimmed();
      if (!Shown.isEmpty()) SkippedLines.append(tr("line %1: %2").arg(Line.Line + 1).arg(Shown));
    }
    SkippedLinesBtn->setEnabled(!SkippedLines.isEmpty());
    ShowPinGrid();
    StatusText->setText(tr("%1 rows read, %2 lines not understood")
                            .arg(Board->Pins.High() + 1)
                            .arg(SkippedLines.size()));
    emit BoardChanged();
  });
}

void TQuillonMain::ShowSkippedLines() {
  if (SkippedLines.isEmpty()) return;
  QStringList Shown = SkippedLines.mid(0, SkippedLinesShown);
  if (SkippedLines.size() > SkippedLinesShown)
    Shown.append(tr("... and %1 more").arg(SkippedLines.size() - SkippedLinesShown));
  Prompts.NotifyUser(
      (tr("Lines that describe no pin:") + QStringLiteral("\n\n") + Shown.join(u'\n'))
          .toStdString());
}

void TQuillonMain::ShowPinGrid() {
  TGrid Grid;
  FillGrid(Board->Pins, Grid);
  const int Fixed = Grid.RowCount > 0 ? Grid.FixedRows : 0;
  PinsStringGrid->clear();
  PinsStringGrid->setColumnCount(Grid.ColCount);
  PinsStringGrid->setRowCount(Grid.RowCount - Fixed);
  QStringList Header;
  for (int C = 0; C < Grid.ColCount; ++C)
    Header.append(Fixed > 0 ? tr(Grid.Cell(0, C).c_str()) : QString());
  PinsStringGrid->setHorizontalHeaderLabels(Header);
  for (int R = Fixed; R < Grid.RowCount; ++R) {
    // A hole as wide as its pad or wider leaves no copper ring.
    const int Row = R - Fixed;
    const bool NoRing = Row <= Board->Pins.High() && Board->Pins.Get(Row).Aperture > 0 &&
                        Board->Pins.Get(Row).Hole >= Board->Pins.Get(Row).Aperture;
    for (int C = 0; C < Grid.ColCount; ++C) {
      const std::string& Text = Grid.Cell(R, C);
      auto* Cell = new QTableWidgetItem(C == 3 ? tr(Text.c_str()) : FromCp1251(Text));
      if (NoRing) {
        Cell->setBackground(QBrush(QColor(255, 210, 200)));
        Cell->setToolTip(tr("The hole is not smaller than the pad."));
      }
      PinsStringGrid->setItem(Row, C, Cell);
    }
  }
  ShowUndefinedPins();
}

void TQuillonMain::ShowUndefinedPins() {
  UndefinedPins = FindUndefinedPins(*Board);
  UndefinedPinsList->clear();
  std::int64_t Flashes = 0;
  for (const TUndefinedPin& Pin : UndefinedPins) {
    QStringList Layers;
    for (const int L : Pin.Layers) Layers.append(LayerLabel(L));
    auto* Item = new QTreeWidgetItem({QString::number(Pin.PinRow), QString::number(Pin.Flashes),
                                      Layers.join(QStringLiteral(", "))});
    Item->setToolTip(2, Item->text(2));
    UndefinedPinsList->addTopLevelItem(Item);
    Flashes += Pin.Flashes;
  }
  UndefinedPinsLabel->setText(
      UndefinedPins.empty()
          ? (Board->Layers.Count() > 0 ? tr("Every pin the plot uses is described.") : QString())
          : tr("%1 pins the plot uses are not described (%2 flashes); the conversion will ask "
               "about them:")
                .arg(UndefinedPins.size())
                .arg(Flashes));
  UndefinedPinsList->setVisible(!UndefinedPins.empty());
}

void TQuillonMain::ShowUndefinedPin(int I) {
  if (I < 0 || I >= static_cast<int>(UndefinedPins.size())) return;
  const TUndefinedPin& Pin = UndefinedPins[static_cast<std::size_t>(I)];
  MPageControl->setCurrentWidget(LayersSheet);
  LayersView->SetDbuFactor(DbuFactor);
  LayersView->ShowPoint(Pin.X * DbuFactor, Pin.Y * DbuFactor);
}

QString TQuillonMain::PinPlaceText(std::int32_t PinRow, int Layer, const TPcbFlash* Flash) const {
  QStringList Lines;
  if (Layer >= 0 && Layer < Board->Layers.Count())
    Lines.append(tr("Layer %1").arg(LayerLabel(Layer)));
  const QLocale C = QLocale::c();
  if (Flash)
    Lines.append(tr("Flash at X %1, Y %2 mm")
                     .arg(C.toString(Flash->X * DbuFactor, 'f', 3),
                          C.toString(Flash->Y * DbuFactor, 'f', 3)));
  for (const TUndefinedPin& Pin : UndefinedPins)
    if (Pin.PinRow == PinRow) Lines.append(tr("%1 flashes use this pin").arg(Pin.Flashes));
  return Lines.join(u'\n');
}

}  // namespace quillon::app
