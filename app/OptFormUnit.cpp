#include "app/OptFormUnit.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quillon::app {

TOptDlg::TOptDlg(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(QStringLiteral("Options"));
  PageControl = new QTabWidget(this);
  ConversatonPage = new QWidget;
  OptimizationPage = new QWidget;
  PageControl->addTab(ConversatonPage, QStringLiteral("Conversaton"));
  PageControl->addTab(OptimizationPage, QStringLiteral("Optimization"));
  PageControl->setCurrentWidget(OptimizationPage);
  PageControl->setMinimumSize(360, 240);

  OKBtn = new QPushButton(QStringLiteral("OK"));
  CancelBtn = new QPushButton(QStringLiteral("Cancel"));
  ApplyBtn = new QPushButton(QStringLiteral("&Apply"));
  OKBtn->setDefault(true);
  ApplyBtn->setEnabled(false);
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
  connect(ApplyBtn, &QPushButton::clicked, this, [this] { ApplyBtnClick(); });

  auto* Buttons = new QHBoxLayout;
  Buttons->addStretch();
  Buttons->addWidget(OKBtn);
  Buttons->addWidget(CancelBtn);
  Buttons->addWidget(ApplyBtn);
  auto* Layout = new QVBoxLayout(this);
  Layout->addWidget(PageControl);
  Layout->addLayout(Buttons);
  // A fixed dialog border: the size follows the contents only.
  Layout->setSizeConstraint(QLayout::SetFixedSize);

  if (const QScreen* Screen = QGuiApplication::primaryScreen()) {
    adjustSize();
    move(Screen->availableGeometry().center() - rect().center());
  }
}

void TOptDlg::SetMode(bool Flag) {
  CancelBtn->setEnabled(!Flag);
  ApplyBtn->setEnabled(false);
  Qt::WindowFlags Flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (!Flag) Flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  setWindowFlags(Flags);
}

void TOptDlg::OKBtnClick() {
  ApplyBtnClick();
  done(Accepted);
}

void TOptDlg::ApplyBtnClick() { ApplyBtn->setEnabled(false); }

void TOptDlg::CancelBtnClick() { done(Rejected); }

void TOptDlg::reject() {
  if (CancelBtn->isEnabled()) CancelBtnClick();
}

}  // namespace quillon::app
