// SPDX-License-Identifier: MIT
#pragma once
// A strip above the pages for a warning the user must see but that must not
// stop the work: a warning icon and the text in warning colours. It stays
// until the next Show or Clear.

#include <QFrame>

class QLabel;

namespace quillon::app {

class TWarningBar final : public QFrame {
 public:
  explicit TWarningBar(QWidget* Parent = nullptr);
  // An empty text clears the bar.
  void Show(const QString& Text);
  void Clear() { Show(QString()); }
  QString Text() const;
  // How many warnings were shown, so that a caller can tell one from many.
  int ShownCount() const { return Shown; }

 private:
  QLabel* Message;
  int Shown = 0;
};

}  // namespace quillon::app
