#pragma once
// "Customize": one check box per tool-bar action; checked ones are shown.

#include <QDialog>
#include <QList>

class QAction;
class QCheckBox;

namespace quillon::app {

class TCustomizeDialog : public QDialog {
 public:
  // Actions in tool-bar order; Shown[i] tells whether Actions[i] is shown.
  TCustomizeDialog(const QList<QAction*>& Actions, const QList<bool>& Shown,
                   QWidget* Parent = nullptr);

  QList<bool> Shown() const;

  QList<QCheckBox*> Boxes;
};

}  // namespace quillon::app
