// SPDX-License-Identifier: MIT
#pragma once
// A one-line label that never widens the window: a text longer than its
// width is shown cut with "…", and the whole text is its tooltip. text()
// keeps the whole text.

#include <QLabel>

namespace quillon::app {

class TElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TElidedLabel(QWidget* Parent = nullptr);

  // The text as shown at the label's present width.
  QString ShownText() const;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* Event) override;
  bool event(QEvent* Event) override;
};

}  // namespace quillon::app
