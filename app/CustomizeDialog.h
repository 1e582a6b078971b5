// SPDX-License-Identifier: MIT
#pragma once
// "Customize": one check box per tool-bar action; checked ones are shown.

#include <QCoreApplication>
#include <QDialog>
#include <QList>

class QAction;
class QCheckBox;

namespace quillon::app {

class TCustomizeDialog : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TCustomizeDialog)

 public:
  // Actions in tool-bar order; Shown[i] tells whether Actions[i] is shown.
  TCustomizeDialog(const QList<QAction*>& Actions, const QList<bool>& Shown,
                   QWidget* Parent = nullptr);

  QList<bool> Shown() const;

  QList<QCheckBox*> Boxes;
};

}  // namespace quillon::app
