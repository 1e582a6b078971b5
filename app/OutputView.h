// SPDX-License-Identifier: MIT
#pragma once
// The "Output" page: the conversion's lines shown straight from their
// storage. A conversion of a big board makes millions of lines; the view
// draws only the rows on screen, so neither a copy of the text nor a layout
// of every line is ever made. Whole lines are selected and copied; a find
// bar searches the lines forwards and backwards.

#include <QAbstractScrollArea>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace quillon {
class TTextLines;
}

namespace quillon::app {

class TOutputView final : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit TOutputView(QWidget* Parent = nullptr);

  // The lines to show, not owned; null shows nothing. The lines must not
  // change while shown: detach (null) before they are rebuilt.
  void SetLines(const TTextLines* NewLines);
  const TTextLines* Lines() const { return Source; }
  int LineCount() const;
  QString LineText(int Index) const;
  // Every line, "\n" between them (as the text would read in an editor).
  QString Text() const;

  // The selection is a range of whole lines; none when First is -1.
  void SelectLines(int First, int Last);
  int SelectionFirst() const;
  int SelectionLast() const;
  QString SelectedText() const;
  void CopySelection() const;

  // Selects the next (or previous) line after the current one that holds
  // What, ASCII letters in any case, going round at the end; false when no
  // line holds it.
  bool Find(const QString& What, bool Backward);
  // The row shown at the top.
  int FirstVisibleLine() const;

 protected:
  void paintEvent(QPaintEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;

 private:
  int RowHeight() const;
  int LineAt(int Y) const;
  void UpdateScrollBars();
  void MoveCurrent(int Line, bool Extend);
  void ScrollTo(int Line);

  const TTextLines* Source = nullptr;
  int LongestLine = 0;  // bytes
  int Anchor = -1;      // where the selection started
  int Current = -1;     // where it ends: the line that moves with the keys
};

// One file of the output as the page lists it.
struct TOutputFileRow {
  QString Name;  // without folder
  QString Role;  // what the file is for: its layer role or X2 file function
  const TTextLines* Lines = nullptr;
  std::uint64_t Bytes = 0;
};

// The page: the files a save writes, the view of the one chosen, its find bar
// and a note on the output (why it is not whole).
class TOutputPage final : public QWidget {
  Q_OBJECT

 public:
  explicit TOutputPage(QWidget* Parent = nullptr);

  TOutputView* View() const { return Lines; }
  QTreeWidget* FileList() const { return Files; }
  QLabel* NoteLabel() const { return Note; }
  // Lists Rows and shows the first; an empty list shows nothing.
  void SetFiles(std::vector<TOutputFileRow> Rows);
  const std::vector<TOutputFileRow>& FileRows() const { return Rows; }
  // Shows row I's lines in the view.
  void ShowFile(int I);
  // An empty note hides it.
  void SetNote(const QString& Text);
  QLineEdit* FindEdit() const { return FindText; }
  // Shows the find bar with the cursor in it.
  void StartFind();
  bool FindNext();
  bool FindPrevious();

 signals:
  void StatusText(const QString& Text);

 private:
  bool FindOne(bool Backward);

  TOutputView* Lines;
  QTreeWidget* Files;
  QLabel* Note;
  std::vector<TOutputFileRow> Rows;
  QLineEdit* FindText;
  QPushButton* NextButton;
  QPushButton* PreviousButton;
};

}  // namespace quillon::app
