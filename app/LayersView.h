// SPDX-License-Identifier: MIT
#pragma once
// The "Layers" page: the board's layers, each with a visibility check box and
// its colour, beside a view of the board that zooms with the mouse wheel about
// the cursor, pans by dragging and fits the board with "Fit"; the keys +, -,
// Ctrl+0 and the arrows do the same. Hovering an item tells its kind and
// fields through StatusText, the position under the mouse through CursorText.
//
// The view draws from the core's spatial index, only what is on screen, and
// items smaller than a pixel as single pixels. The index and the pictures are
// made on worker threads, so that a board of a million items never holds the
// window up: a zoom or pan step shows the last picture scaled or moved at
// once, with "Drawing…" in its corner, and the board is drawn anew behind it
// at the newest view, in bands shared by one thread a core; after a pan only
// what the last picture does not cover is drawn.

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "script/LayerRoles.h"
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
  // The role of each layer (index = layer), as chosen for the conversion:
  // colours and drawing order follow them from the next Refresh. A list that
  // does not fit the board is ignored: the layers' names decide.
  void SetLayerRoles(std::vector<TLayerRole> Roles);
  // Millimetres per database unit, used from the next Refresh. Returns
  // whether the factor changed; one that is not a positive number is ignored.
  bool SetDbuFactor(double Factor);
  double DbuFactor() const;
  // Reads the board again (its layers, items and pin table) and redraws.
  // The view is fitted to the board when its layers differ from before.
  void Refresh();
  // Zooms and pans so that the whole board is in view.
  void Fit();
  // Starts drawing the newest view now if it waits for one (it otherwise
  // starts when the view is next painted).
  void Sharpen();
  // Centres the view on a board point (millimetres) and marks it there.
  void ShowPoint(double XMm, double YMm);
  // The point marked last; none after a fit.
  std::optional<QPointF> MarkedPoint() const;
  // While paused, nothing is read from the board on a worker: the window
  // pauses the view while a step of its own may change the board. Pausing
  // stops the workers and waits the moment they take to notice.
  void SetPaused(bool Pause);
  // Whether the picture shown is of the newest view, index and layers.
  bool PictureCurrent() const;
  // Serves the window's events until the picture is current or TimeoutMs
  // passed (at once while paused); returns PictureCurrent().
  bool WaitForPicture(int TimeoutMs = 30000);
  // The picture of the view drawn at once on this thread, as the workers
  // draw it, and the one last drawn by them.
  QImage DrawPictureNow() const;
  QImage ShownPicture() const;
  // Whether the view shows "Drawing…": the sharp picture has been pending
  // for longer than a blink.
  bool DrawingSignShown() const;
  // The share of the last picture started that is drawn anew: after a pan
  // only the part the last picture does not cover.
  double LastDrawnShare() const;

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
  // A picture of the newest view is shown.
  void PictureReady();

 private:
  void LayerItemChanged(QListWidgetItem* Item);

  QListWidget* List;
  QPushButton* FitBtn;
  TBoardCanvas* Canvas;
  const TScriptingPcb* Board = nullptr;
  double Dbu = DefaultDbuFactor;
  std::vector<TLayerRole> Roles;
};

}  // namespace quillon::app
