// SPDX-License-Identifier: MIT
#include "app/OutputView.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "app/Cp1251.h"
#include "text/TextLines.h"

namespace quillon::app {

namespace {

constexpr int Margin = 4;

char AsciiLower(char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C; }

bool Holds(std::string_view Line, std::string_view Folded) {
  return std::search(Line.begin(), Line.end(), Folded.begin(), Folded.end(),
                     [](char A, char B) { return AsciiLower(A) == B; }) != Line.end();
}

}  // namespace

TOutputView::TOutputView(QWidget* Parent) : QAbstractScrollArea(Parent) {
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
}

void TOutputView::SetLines(const TTextLines* NewLines) {
  Source = NewLines;
  LongestLine = 0;
  for (int I = 0; I < LineCount(); ++I)
    LongestLine = std::max(LongestLine, static_cast<int>((*Source)[I].size()));
  Anchor = Current = -1;
  UpdateScrollBars();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

int TOutputView::LineCount() const { return Source ? Source->Count() : 0; }

QString TOutputView::LineText(int Index) const {
  if (Index < 0 || Index >= LineCount()) return QString();
  return FromCp1251((*Source)[Index]);
}

QString TOutputView::Text() const {
  if (!Source || Source->Empty()) return QString();
  std::string Joined = Source->Join("\n");
  Joined.pop_back();
  return FromCp1251(Joined);
}

int TOutputView::SelectionFirst() const { return Anchor < 0 ? -1 : std::min(Anchor, Current); }
int TOutputView::SelectionLast() const { return Anchor < 0 ? -1 : std::max(Anchor, Current); }

void TOutputView::SelectLines(int First, int Last) {
  const int Count = LineCount();
  if (First < 0 || Count == 0) {
    Anchor = Current = -1;
  } else {
    Anchor = std::clamp(First, 0, Count - 1);
    Current = std::clamp(Last, 0, Count - 1);
    ScrollTo(Current);
  }
  viewport()->update();
}

QString TOutputView::SelectedText() const {
  if (Anchor < 0) return QString();
  std::string Bytes;
  for (int I = SelectionFirst(); I <= SelectionLast(); ++I) {
    if (I > SelectionFirst()) Bytes += '\n';
    Bytes += (*Source)[I];
  }
  return FromCp1251(Bytes);
}

void TOutputView::CopySelection() const {
  if (Anchor >= 0) QApplication::clipboard()->setText(SelectedText());
}

bool TOutputView::Find(const QString& What, bool Backward) {
  const int Count = LineCount();
  if (What.isEmpty() || Count == 0) return false;
  std::string Folded = ToCp1251(What);
  std::transform(Folded.begin(), Folded.end(), Folded.begin(), AsciiLower);
  const int Step = Backward ? -1 : 1;
  int Line = Current >= 0 ? Current : (Backward ? 0 : Count - 1);
  for (int Tried = 0; Tried < Count; ++Tried) {
    Line = (Line + Step + Count) % Count;
    if (Holds((*Source)[Line], Folded)) {
      SelectLines(Line, Line);
      return true;
    }
  }
  return false;
}

int TOutputView::FirstVisibleLine() const { return verticalScrollBar()->value(); }

int TOutputView::RowHeight() const { return std::max(1, fontMetrics().lineSpacing()); }

int TOutputView::LineAt(int Y) const {
  return std::clamp(FirstVisibleLine() + Y / RowHeight(), 0, std::max(0, LineCount() - 1));
}

void TOutputView::UpdateScrollBars() {
  const int Rows = std::max(1, viewport()->height() / RowHeight());
  verticalScrollBar()->setRange(0, std::max(0, LineCount() - Rows));
  verticalScrollBar()->setPageStep(Rows);
  verticalScrollBar()->setSingleStep(1);
  // A fixed-pitch font: the widest line is the longest one.
  const int Width = LongestLine * fontMetrics().horizontalAdvance(QLatin1Char('M')) + 2 * Margin;
  horizontalScrollBar()->setRange(0, std::max(0, Width - viewport()->width()));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setSingleStep(fontMetrics().horizontalAdvance(QLatin1Char('M')));
}

void TOutputView::ScrollTo(int Line) {
  const int Rows = std::max(1, viewport()->height() / RowHeight());
  QScrollBar* Bar = verticalScrollBar();
  if (Line < Bar->value())
    Bar->setValue(Line);
  else if (Line >= Bar->value() + Rows)
    Bar->setValue(Line - Rows + 1);
}

void TOutputView::paintEvent(QPaintEvent*) {
  QPainter Painter(viewport());
  const int Height = RowHeight();
  const int First = FirstVisibleLine();
  const int Last = std::min(LineCount() - 1, First + viewport()->height() / Height + 1);
  const int X = Margin - horizontalScrollBar()->value();
  const QFontMetrics Metrics = fontMetrics();
  for (int I = First; I <= Last; ++I) {
    const QRect Row(0, (I - First) * Height, viewport()->width(), Height);
    const bool Selected = Anchor >= 0 && I >= SelectionFirst() && I <= SelectionLast();
    if (Selected) Painter.fillRect(Row, palette().highlight());
    Painter.setPen(palette().color(Selected ? QPalette::HighlightedText : QPalette::Text));
    Painter.drawText(X, Row.top() + Metrics.ascent(), LineText(I));
  }
}

void TOutputView::resizeEvent(QResizeEvent* Event) {
  QAbstractScrollArea::resizeEvent(Event);
  UpdateScrollBars();
}

void TOutputView::MoveCurrent(int Line, bool Extend) {
  if (LineCount() == 0) return;
  Line = std::clamp(Line, 0, LineCount() - 1);
  SelectLines(Extend && Anchor >= 0 ? Anchor : Line, Line);
}

void TOutputView::mousePressEvent(QMouseEvent* Event) {
  if (Event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(Event);
  MoveCurrent(LineAt(Event->position().toPoint().y()),
              Event->modifiers().testFlag(Qt::ShiftModifier));
}

void TOutputView::mouseMoveEvent(QMouseEvent* Event) {
  if (Event->buttons().testFlag(Qt::LeftButton))
    MoveCurrent(LineAt(Event->position().toPoint().y()), true);
}

void TOutputView::keyPressEvent(QKeyEvent* Event) {
  if (Event->matches(QKeySequence::Copy)) return CopySelection();
  if (Event->matches(QKeySequence::SelectAll)) return SelectLines(0, LineCount() - 1);
  const bool Extend = Event->modifiers().testFlag(Qt::ShiftModifier);
  const int Page = std::max(1, viewport()->height() / RowHeight());
  const int From = std::max(Current, 0);
  switch (Event->key()) {
    case Qt::Key_Up:
      return MoveCurrent(From - 1, Extend);
    case Qt::Key_Down:
      return MoveCurrent(Current < 0 ? 0 : From + 1, Extend);
    case Qt::Key_PageUp:
      return MoveCurrent(From - Page, Extend);
    case Qt::Key_PageDown:
      return MoveCurrent(From + Page, Extend);
    case Qt::Key_Home:
      if (Event->modifiers().testFlag(Qt::ControlModifier)) return MoveCurrent(0, Extend);
      return horizontalScrollBar()->setValue(0);
    case Qt::Key_End:
      if (Event->modifiers().testFlag(Qt::ControlModifier))
        return MoveCurrent(LineCount() - 1, Extend);
      return horizontalScrollBar()->setValue(horizontalScrollBar()->maximum());
    default:
      QAbstractScrollArea::keyPressEvent(Event);
  }
}

TOutputPage::TOutputPage(QWidget* Parent) : QWidget(Parent) {
  Lines = new TOutputView;
  Lines->setObjectName(QStringLiteral("OutputView"));
  Files = new QTreeWidget;
  Files->setObjectName(QStringLiteral("OutputFiles"));
  Files->setRootIsDecorated(false);
  Files->setUniformRowHeights(true);
  Files->setHeaderLabels({tr("File"), tr("Role"), tr("Lines"), tr("Bytes")});
  Files->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(Files, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* Item) {
    if (Item) ShowFile(Files->indexOfTopLevelItem(Item));
  });
  Note = new QLabel;
  Note->setObjectName(QStringLiteral("OutputNote"));
  Note->setWordWrap(true);
  Note->setStyleSheet(QStringLiteral("QLabel { color: #a40000; font-weight: bold; }"));
  Note->hide();
  FindText = new QLineEdit;
  FindText->setObjectName(QStringLiteral("FindEdit"));
  FindText->setPlaceholderText(tr("Find in output"));
  FindText->setClearButtonEnabled(true);
  NextButton = new QPushButton(tr("Next"));
  PreviousButton = new QPushButton(tr("Previous"));
  connect(NextButton, &QPushButton::clicked, this, [this] { FindNext(); });
  connect(PreviousButton, &QPushButton::clicked, this, [this] { FindPrevious(); });
  connect(FindText, &QLineEdit::returnPressed, this, [this] {
    if (QApplication::keyboardModifiers().testFlag(Qt::ShiftModifier))
      FindPrevious();
    else
      FindNext();
  });
  auto* Next = new QShortcut(QKeySequence::FindNext, this);
  Next->setContext(Qt::WidgetWithChildrenShortcut);
  connect(Next, &QShortcut::activated, this, [this] { FindNext(); });
  auto* Previous = new QShortcut(QKeySequence::FindPrevious, this);
  Previous->setContext(Qt::WidgetWithChildrenShortcut);
  connect(Previous, &QShortcut::activated, this, [this] { FindPrevious(); });

  auto* Bar = new QHBoxLayout;
  Bar->setContentsMargins(0, 0, 0, 0);
  Bar->addWidget(FindText, 1);
  Bar->addWidget(PreviousButton);
  Bar->addWidget(NextButton);
  auto* Split = new QSplitter(Qt::Vertical);
  Split->addWidget(Files);
  Split->addWidget(Lines);
  Split->setStretchFactor(0, 1);
  Split->setStretchFactor(1, 4);
  auto* Layout = new QVBoxLayout(this);
  Layout->addWidget(Note);
  Layout->addWidget(Split, 1);
  Layout->addLayout(Bar);
}

void TOutputPage::SetFiles(std::vector<TOutputFileRow> NewRows) {
  // The view lets go of the old lines before the rows that held them go.
  Lines->SetLines(nullptr);
  Rows = std::move(NewRows);
  const QSignalBlocker Quiet(Files);
  Files->clear();
  const QLocale Locale;
  for (const TOutputFileRow& Row : Rows) {
    auto* Item = new QTreeWidgetItem({Row.Name, Row.Role,
                                      Locale.toString(Row.Lines ? Row.Lines->Count() : 0),
                                      Locale.toString(static_cast<qulonglong>(Row.Bytes))});
    Item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    Item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
    Item->setToolTip(0, Row.Name);
    Item->setToolTip(1, Row.Role);
    Files->addTopLevelItem(Item);
  }
  Files->setVisible(!Rows.empty());
  if (!Rows.empty()) {
    Files->setCurrentItem(Files->topLevelItem(0));
    ShowFile(0);
  }
}

void TOutputPage::ShowFile(int I) {
  if (I < 0 || I >= static_cast<int>(Rows.size())) return;
  Lines->SetLines(Rows[static_cast<std::size_t>(I)].Lines);
  if (Files->currentItem() != Files->topLevelItem(I)) {
    const QSignalBlocker Quiet(Files);
    Files->setCurrentItem(Files->topLevelItem(I));
  }
}

void TOutputPage::SetNote(const QString& Text) {
  Note->setText(Text);
  Note->setVisible(!Text.isEmpty());
}

void TOutputPage::StartFind() {
  FindText->setFocus(Qt::ShortcutFocusReason);
  FindText->selectAll();
}

bool TOutputPage::FindNext() { return FindOne(false); }
bool TOutputPage::FindPrevious() { return FindOne(true); }

bool TOutputPage::FindOne(bool Backward) {
  const bool Found = Lines->Find(FindText->text(), Backward);
  emit StatusText(Found ? tr("Line %1").arg(Lines->SelectionFirst() + 1)
                        : tr("\"%1\" not found").arg(FindText->text()));
  return Found;
}

}  // namespace quillon::app
