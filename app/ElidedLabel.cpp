// SPDX-License-Identifier: MIT
#include "app/ElidedLabel.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace quillon::app {

TElidedLabel::TElidedLabel(QWidget* Parent) : QLabel(Parent) {
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QString TElidedLabel::ShownText() const {
  return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize TElidedLabel::minimumSizeHint() const {
  return {fontMetrics().horizontalAdvance(QStringLiteral("M…")), QLabel::minimumSizeHint().height()};
}

void TElidedLabel::paintEvent(QPaintEvent*) {
  QPainter P(this);
  style()->drawItemText(&P, contentsRect(), int(alignment()) | Qt::TextSingleLine, palette(),
                        isEnabled(), ShownText(), foregroundRole());
}

bool TElidedLabel::event(QEvent* Event) {
  // The whole text where it is cut; an explicit tooltip otherwise.
  if (Event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
    const auto* Help = static_cast<QHelpEvent*>(Event);
    if (ShownText() != text())
      QToolTip::showText(Help->globalPos(), text(), this);
    else
      QToolTip::hideText();
    return true;
  }
  return QLabel::event(Event);
}

}  // namespace quillon::app
