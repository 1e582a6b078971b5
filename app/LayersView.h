#pragma once
// The "Layers" page: the board's layers, each with a visibility check box and
// its colour, beside a view of the board that zooms with the mouse wheel about
// the cursor, pans by dragging and fits the board with "Fit"; the keys +, -,
// Ctrl+0 and the arrows do the same. Hovering an item tells its kind and
// fields through StatusText, the position under the mouse through CursorText.
//
// The view draws from the core's spatial index, only what is on screen, and
// items smaller than a pixel as single pixels, so a board of a million items
// stays responsive. What it draws is rendered once into an image; panning
// and zooming move and scale that image, and the board is drawn again when
// the drag ends or the steps pause.

#include <QPointF>
#include <QWidget>
#include <memory>

#include "text/Units.h"

class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace quillon {
class TScriptingPcb;
}

namespace quillon::app {

class TBoardCanvas;

class TLayersView : public QWidget {
  Q_OBJECT

 public:
  explicit TLayersView(QWidget* Parent = nullptr);
  ~TLayersView() override;

  // The board to show (not owned; null shows nothing). Takes effect at the
  // next Refresh.
  void SetBoard(const TScriptingPcb* Board);
  // Millimetres per database unit, used from the next Refresh. Returns
  // whether the factor changed; one that is not a positive number is ignored.
  bool SetDbuFactor(double Factor);
  double DbuFactor() const;
  // Reads the board again (its layers, items and pin table) and redraws.
  // The view is fitted to the board when its layers differ from before.
  void Refresh();
  // Zooms and pans so that the whole board is in view.
  void Fit();
  // Zoom and pan steps show the last picture scaled or moved and draw the
  // board again once they pause; this draws it at once.
  void Sharpen();

  // The parts, for the window's tests.
  QListWidget* LayerList() const { return List; }
  QPushButton* FitButton() const { return FitBtn; }
  QWidget* View() const;
  // Where a board point (millimetres) lies in the view, in its pixels.
  QPointF ViewPoint(double XMm, double YMm) const;

 signals:
  // What lies under the mouse, or an empty text when nothing does.
  void StatusText(const QString& Text);
  // The board position under the mouse in millimetres; empty when it left.
  void CursorText(const QString& Text);

 private:
  void LayerItemChanged(QListWidgetItem* Item);

  QListWidget* List;
  QPushButton* FitBtn;
  TBoardCanvas* Canvas;
  const TScriptingPcb* Board = nullptr;
  double Dbu = DefaultDbuFactor;
};

}  // namespace quillon::app
