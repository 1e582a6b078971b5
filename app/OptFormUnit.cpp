// SPDX-License-Identifier: MIT
#include "app/OptFormUnit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quillon::app {

TOptDlg::TOptDlg(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(tr("Options"));
  PageControl = new QTabWidget(this);
  ConversatonPage = new QWidget;
  OptimizationPage = new QWidget;
  PageControl->addTab(ConversatonPage, tr("Conversaton"));
  PageControl->addTab(OptimizationPage, tr("Optimization"));
  PageControl->setCurrentWidget(OptimizationPage);
  PageControl->setMinimumSize(360, 240);

  GerberProfileBox = new QComboBox;
  GerberProfileBox->addItems({tr("Legacy"), tr("Fab")});
  GerberProfileBox->setToolTip(
      tr("Legacy: the classic Gerber files. Fab: Gerber X2 files that board houses "
         "accept today."));
  ExcellonBox = new QCheckBox(tr("Excellon drill file"));
  FabNamesBox = new QComboBox;
  FabNamesBox->addItems({tr("Protel"), tr("Indexed")});
  FabNamesBox->setToolTip(
      tr("How the fab files are named. Protel: <base>.GTL, .GBL, .GTS, .GBS, .GTO, .GBO, .GKO, "
         "as board houses recognise them. Indexed: <index><layer>.gbr, as the legacy files."));
  GenesisHostBox = new QComboBox;
  GenesisHostBox->addItems({QStringLiteral("Windows"), QStringLiteral("Unix")});
  GenesisHostBox->setToolTip(
      tr("Where the Genesis script runs: Windows (CR LF, C:/tmp) or Unix (LF, /tmp)."));
  GenesisJobEdit = new QLineEdit;
  GenesisJobEdit->setObjectName(QStringLiteral("GenesisJobEdit"));
  // What Genesis accepts as a job name, and what stands bare in a csh line.
  GenesisJobEdit->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[a-z0-9_+-][a-z0-9_+.-]{0,63}")), GenesisJobEdit));
  GenesisJobEdit->setToolTip(
      tr("The job the Genesis script creates; a job of that name is deleted first. Empty: the "
         "plot's name."));
  GenesisMatrixBox = new QComboBox;
  GenesisMatrixBox->addItems({tr("Documents"), tr("By role")});
  GenesisMatrixBox->setToolTip(
      tr("Documents: every matrix layer misc/document. By role: copper signal, masks "
         "solder_mask, silkscreens silk_screen, drill, outline rout."));
  auto* Conversion = new QFormLayout(ConversatonPage);
  Conversion->addRow(tr("Gerber profile:"), GerberProfileBox);
  Conversion->addRow(QString(), ExcellonBox);
  Conversion->addRow(tr("Fab file names:"), FabNamesBox);
  Conversion->addRow(tr("Genesis host:"), GenesisHostBox);
  Conversion->addRow(tr("Genesis job:"), GenesisJobEdit);
  Conversion->addRow(tr("Genesis matrix:"), GenesisMatrixBox);
  ShowGerberChoices();
  connect(GerberProfileBox, &QComboBox::currentIndexChanged, this,
          [this] { GerberChoiceChanged(); });
  connect(ExcellonBox, &QCheckBox::toggled, this, [this] { GerberChoiceChanged(); });
  connect(FabNamesBox, &QComboBox::currentIndexChanged, this, [this] { GerberChoiceChanged(); });
  connect(GenesisHostBox, &QComboBox::currentIndexChanged, this, [this] { GerberChoiceChanged(); });
  connect(GenesisJobEdit, &QLineEdit::textEdited, this, [this] { GerberChoiceChanged(); });
  connect(GenesisMatrixBox, &QComboBox::currentIndexChanged, this,
          [this] { GerberChoiceChanged(); });

  OKBtn = new QPushButton(tr("OK"));
  CancelBtn = new QPushButton(tr("Cancel"));
  ApplyBtn = new QPushButton(tr("&Apply"));
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

void TOptDlg::ApplyBtnClick() {
  GerberProfile =
      GerberProfileBox->currentIndex() == 1 ? TGerberProfile::Fab : TGerberProfile::Legacy;
  ExcellonDrill = ExcellonBox->isChecked();
  GenesisHost = GenesisHostBox->currentIndex() == 1 ? TGenesisHost::Unix : TGenesisHost::Windows;
  FabNames = FabNamesBox->currentIndex() == 1 ? TFabNames::Indexed : TFabNames::Protel;
  GenesisJob = GenesisJobEdit->text();
  GenesisMatrix =
      GenesisMatrixBox->currentIndex() == 1 ? TGenesisMatrix::Roles : TGenesisMatrix::Document;
  ApplyBtn->setEnabled(false);
}

void TOptDlg::SetGenesisChoices(const QString& Job, const QString& Suggested,
                                TGenesisMatrix Matrix) {
  GenesisJob = Job;
  GenesisMatrix = Matrix;
  GenesisJobEdit->setPlaceholderText(Suggested);
  ShowGerberChoices();
}

void TOptDlg::CancelBtnClick() {
  ShowGerberChoices();
  ApplyBtn->setEnabled(false);
  done(Rejected);
}

void TOptDlg::SetGerberChoices(TGerberProfile Profile, bool Excellon) {
  GerberProfile = Profile;
  ExcellonDrill = Excellon;
  ShowGerberChoices();
  ApplyBtn->setEnabled(false);
}

void TOptDlg::ShowGerberChoices() {
  const QSignalBlocker BlockProfile(GerberProfileBox), BlockExcellon(ExcellonBox),
      BlockHost(GenesisHostBox), BlockNames(FabNamesBox);
  GenesisHostBox->setCurrentIndex(GenesisHost == TGenesisHost::Unix ? 1 : 0);
  GerberProfileBox->setCurrentIndex(GerberProfile == TGerberProfile::Fab ? 1 : 0);
  ExcellonBox->setChecked(ExcellonDrill);
  FabNamesBox->setCurrentIndex(FabNames == TFabNames::Indexed ? 1 : 0);
  const QSignalBlocker BlockJob(GenesisJobEdit), BlockMatrix(GenesisMatrixBox);
  GenesisJobEdit->setText(GenesisJob);
  GenesisMatrixBox->setCurrentIndex(GenesisMatrix == TGenesisMatrix::Roles ? 1 : 0);
  ExcellonBox->setEnabled(GerberProfile == TGerberProfile::Fab);
  FabNamesBox->setEnabled(GerberProfile == TGerberProfile::Fab);
}

void TOptDlg::GerberChoiceChanged() {
  // The drill file and the names come only with the fab profile.
  ExcellonBox->setEnabled(GerberProfileBox->currentIndex() == 1);
  FabNamesBox->setEnabled(GerberProfileBox->currentIndex() == 1);
  ApplyBtn->setEnabled(CancelBtn->isEnabled());
}

void TOptDlg::reject() {
  if (CancelBtn->isEnabled()) CancelBtnClick();
}

}  // namespace quillon::app
