// SPDX-License-Identifier: MIT
#pragma once
// "Show check differences" on the Layers page: the difference picture of a
// checked file laid over the board, where only the plot draws in red and
// only the file in blue, with a frame around each place that differs so that
// even a speck is found at any zoom. The picture follows the view as it
// zooms and pans, in the board's coordinates.

#include <QWidget>

#include "app/OutputCheck.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace quillon::app {

class TLayersView;

// Covers the board view, lets the mouse through and draws one picture.
class TDifferenceOverlay final : public QWidget {
 public:
  explicit TDifferenceOverlay(TLayersView* Layers);
  // The picture to show (not owned; null shows nothing) of a check of a
  // board at Scale millimetres per database unit.
  void SetPicture(const TDifferencePicture* NewPicture, double Scale);
  const TDifferencePicture* Picture() const { return Shown; }

 protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void paintEvent(QPaintEvent* Event) override;

 private:
  TLayersView* Layers;
  const TDifferencePicture* Shown = nullptr;
  double CheckScale = 0;
};

// The page's row that toggles the overlay and chooses the file it shows.
class TCheckDifferenceBar final : public QWidget {
  Q_OBJECT

 public:
  explicit TCheckDifferenceBar(TLayersView* Layers, QWidget* Parent = nullptr);
  // The pictures of a check (not owned; null: no check). The box is enabled
  // when a file has one; a new outcome shows none until it is ticked.
  void SetOutcome(const TCheckOutcome* Outcome);

  QCheckBox* ShowBox() const { return Show; }
  QComboBox* Files() const { return FileList; }
  TDifferenceOverlay* Overlay() const { return Over; }

 private:
  void Update();

  TLayersView* Layers;
  const TCheckOutcome* Current = nullptr;
  QCheckBox* Show;
  QComboBox* FileList;
  QLabel* Legend;
  TDifferenceOverlay* Over;
};

}  // namespace quillon::app
