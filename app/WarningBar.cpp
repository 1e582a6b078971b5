// SPDX-License-Identifier: MIT
#include "app/WarningBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>

namespace quillon::app {

TWarningBar::TWarningBar(QWidget* Parent) : QFrame(Parent), Message(new QLabel) {
  setObjectName(QStringLiteral("WarningBar"));
  // Amber on light yellow reads as a warning on light and dark themes alike.
  setStyleSheet(QStringLiteral(
      "#WarningBar { background: #fff3cd; border: 1px solid #e0b000; border-radius: 3px; }"
      "#WarningBar QLabel { color: #5c4300; background: transparent; }"));
  auto* Icon = new QLabel;
  const int Size = style()->pixelMetric(QStyle::PM_SmallIconSize);
  Icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(Size, Size));
  Message->setWordWrap(true);
  Message->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* Row = new QHBoxLayout(this);
  Row->setContentsMargins(6, 3, 6, 3);
  Row->addWidget(Icon);
  Row->addWidget(Message, 1);
  hide();
}

void TWarningBar::Show(const QString& Text) {
  Message->setText(Text);
  setVisible(!Text.isEmpty());
  if (!Text.isEmpty()) ++Shown;
}

QString TWarningBar::Text() const { return Message->text(); }

}  // namespace quillon::app
