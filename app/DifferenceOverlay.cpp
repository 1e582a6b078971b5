// SPDX-License-Identifier: MIT
#include "app/DifferenceOverlay.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <algorithm>

#include "app/LayersView.h"

namespace quillon::app {

namespace {

// The places framed: the largest ones, enough to find every fault a user
// would fix by hand.
constexpr std::size_t FramedPlaces = 200;
constexpr double FrameMarginPx = 4;

}  // namespace

TDifferenceOverlay::TDifferenceOverlay(TLayersView* Owner) : QWidget(Owner->View()), Layers(Owner) {
  setObjectName(QStringLiteral("DifferenceOverlay"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setGeometry(Owner->View()->rect());
  Owner->View()->installEventFilter(this);
  hide();
}

void TDifferenceOverlay::SetPicture(const TDifferencePicture* NewPicture, double Scale) {
  Shown = NewPicture;
  CheckScale = Scale;
  setVisible(Shown != nullptr);
  update();
}

bool TDifferenceOverlay::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == parent() && Event->type() == QEvent::Resize)
    setGeometry(static_cast<QWidget*>(parent())->rect());
  return QWidget::eventFilter(Watched, Event);
}

void TDifferenceOverlay::paintEvent(QPaintEvent*) {
  if (!Shown) return;
  // The check drew the board at the conversion's scale; the view may show
  // it at another since.
  const double K = CheckScale > 0 ? Layers->DbuFactor() / CheckScale : 1;
  const auto At = [&](double X, double Y) { return Layers->ViewPoint(X * K, Y * K); };
  QPainter P(this);
  const preview::TBoxMm& A = Shown->Area;
  P.setOpacity(0.85);
  P.drawImage(QRectF(At(A.Left, A.Top), At(A.Right, A.Bottom)), Shown->Image);
  P.setOpacity(1);
  P.setPen(QPen(QColor(255, 140, 0), 1.5));
  P.setBrush(Qt::NoBrush);
  const std::size_t Count = std::min(Shown->Boxes.size(), FramedPlaces);
  for (std::size_t I = 0; I < Count; ++I) {
    const preview::TBoxMm& B = Shown->Boxes[I];
    const QRectF Box = QRectF(At(B.Left, B.Top), At(B.Right, B.Bottom)).normalized();
    P.drawRect(Box.adjusted(-FrameMarginPx, -FrameMarginPx, FrameMarginPx, FrameMarginPx));
  }
}

TCheckDifferenceBar::TCheckDifferenceBar(TLayersView* Owner, QWidget* Parent)
    : QWidget(Parent), Layers(Owner) {
  setObjectName(QStringLiteral("CheckDifferenceBar"));
  Show = new QCheckBox(tr("Show check differences"));
  Show->setObjectName(QStringLiteral("ShowCheckDifferences"));
  FileList = new QComboBox;
  FileList->setObjectName(QStringLiteral("CheckDifferenceFile"));
  FileList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  Legend =
      new QLabel(tr("<span style=\"color:#e60000\">\u25A0</span> only in the plot  "
                    "<span style=\"color:#0040ff\">\u25A0</span> only in the file"));
  Over = new TDifferenceOverlay(Owner);
  auto* Row = new QHBoxLayout(this);
  Row->setContentsMargins(0, 0, 0, 0);
  Row->addWidget(Show);
  Row->addWidget(FileList);
  Row->addWidget(Legend);
  Row->addStretch(1);
  connect(Show, &QCheckBox::toggled, this, [this] { Update(); });
  connect(FileList, &QComboBox::currentIndexChanged, this, [this] { Update(); });
  SetOutcome(nullptr);
}

void TCheckDifferenceBar::SetOutcome(const TCheckOutcome* Outcome) {
  Current = Outcome;
  {
    const QSignalBlocker Quiet(FileList);
    FileList->clear();
    if (Outcome)
      for (const TDifferencePicture& Picture : Outcome->Pictures) FileList->addItem(Picture.Name);
  }
  const bool Any = FileList->count() > 0;
  Show->setEnabled(Any);
  Show->setToolTip(Any ? QString()
                       : tr("Output \u25B8 Check makes a picture of each file that differs"));
  {
    const QSignalBlocker Quiet(Show);
    Show->setChecked(false);
  }
  Update();
}

void TCheckDifferenceBar::Update() {
  const int I = FileList->currentIndex();
  const bool On =
      Show->isChecked() && Current && I >= 0 && I < static_cast<int>(Current->Pictures.size());
  FileList->setEnabled(Show->isEnabled());
  FileList->setVisible(FileList->count() > 0);
  Legend->setVisible(On);
  Over->SetPicture(On ? &Current->Pictures[static_cast<std::size_t>(I)] : nullptr,
                   Current ? Current->Scale : 0);
}

}  // namespace quillon::app
