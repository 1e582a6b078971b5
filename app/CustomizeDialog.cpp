// SPDX-License-Identifier: MIT
#include "app/CustomizeDialog.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace quillon::app {

TCustomizeDialog::TCustomizeDialog(const QList<QAction*>& Actions, const QList<bool>& Shown,
                                   QWidget* Parent)
    : QDialog(Parent) {
  setWindowTitle(tr("Customize"));
  auto* Group = new QGroupBox(tr("Tool bar buttons"));
  auto* Column = new QVBoxLayout(Group);
  for (qsizetype I = 0; I < Actions.size(); ++I) {
    auto* Box = new QCheckBox(Actions[I]->text().remove(u'&'));
    Box->setIcon(Actions[I]->icon());
    Box->setChecked(I < Shown.size() && Shown[I]);
    Column->addWidget(Box);
    Boxes.append(Box);
  }
  auto* Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* Layout = new QVBoxLayout(this);
  Layout->addWidget(Group);
  Layout->addWidget(Buttons);
  Layout->setSizeConstraint(QLayout::SetFixedSize);
}

QList<bool> TCustomizeDialog::Shown() const {
  QList<bool> Result;
  for (const QCheckBox* Box : Boxes) Result.append(Box->isChecked());
  return Result;
}

}  // namespace quillon::app
