// SPDX-License-Identifier: MIT
// What the window shows before a plot is open and which format it converts
// to: the Plt page's "open a plot" state, the tool bar's format list, and
// where the open dialogs start.

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidgetAction>

#include "app/QuillonMain.h"

namespace quillon::app {

QWidget* TQuillonMain::BuildPltEmptyState() {
  auto* Page = new QWidget;
  Page->setObjectName(QStringLiteral("PltEmptyState"));
  auto* Text = new QLabel(tr("<b>No plot is open.</b><br>Open a plot file (*.plt) to choose its "
                             "layers and units, or drop it onto the window."));
  Text->setAlignment(Qt::AlignCenter);
  Text->setWordWrap(true);
  PltOpenBtn = new QPushButton(style()->standardIcon(QStyle::SP_DialogOpenButton), tr("Open..."));
  PltOpenBtn->setObjectName(QStringLiteral("PltOpenBtn"));
  connect(PltOpenBtn, &QPushButton::clicked, this, [this] { FileOpen->trigger(); });
  auto* Layout = new QVBoxLayout(Page);
  Layout->addStretch();
  Layout->addWidget(Text);
  Layout->addSpacing(8);
  Layout->addWidget(PltOpenBtn, 0, Qt::AlignHCenter);
  Layout->addStretch(2);
  return Page;
}

void TQuillonMain::ShowPltState() {
  const bool Loaded = Board && Board->Layers.Count() > 0;
  PltStack->setCurrentIndex(Loaded ? 1 : 0);
}

void TQuillonMain::BuildFormatBox() {
  FormatBox = new QComboBox;
  FormatBox->setObjectName(QStringLiteral("FormatBox"));
  FormatBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  FormatBox->setToolTip(
      tr("The format Convert writes (Convert, Format); the Gerber profile is chosen in Tools, "
         "Options."));
  FormatBox->addItems({QString(), QString(), QString()});
  // The entries in the order of the Format menu's tags.
  connect(FormatBox, &QComboBox::activated, this, [this](int Index) { FormatActExecute(Index + 1); });
  auto* Row = new QWidget;
  auto* Layout = new QHBoxLayout(Row);
  Layout->setContentsMargins(6, 0, 6, 0);
  auto* Caption = new QLabel(tr("Format:"));
  Caption->setBuddy(FormatBox);
  Layout->addWidget(Caption);
  Layout->addWidget(FormatBox);
  FormatBoxAct = new QWidgetAction(this);
  FormatBoxAct->setObjectName(QStringLiteral("FormatBoxAct"));
  FormatBoxAct->setText(tr("Format"));
  FormatBoxAct->setDefaultWidget(Row);
}

QString TQuillonMain::FormatCaption(std::uint8_t Format) const {
  if (Format == fmtGenesis) return tr("Genesis Script");
  if (Format != fmtGerber) return tr("CAM350 Script");
  if (GerberProfile != TGerberProfile::Fab) return tr("Gerber RS274X");
  return ExcellonDrill ? tr("Gerber X2 fab package, Excellon drill") : tr("Gerber X2 fab package");
}

void TQuillonMain::ShowFormat() {
  const std::uint8_t Formats[] = {fmtCam350Macro, fmtGerber, fmtGenesis};
  for (int I = 0; I < 3; ++I) {
    FormatBox->setItemText(I, FormatCaption(Formats[I]));
    if (Formats[I] == OutputFormat) FormatBox->setCurrentIndex(I);
  }
}

QString TQuillonMain::DescriptionStartFolder() const {
  // A plot's description is most often kept beside it.
  if (!PlotDialog.FileName.isEmpty() && Board && Board->Layers.Count() > 0)
    return QFileInfo(PlotDialog.FileName).absolutePath();
  return PinDialog.StartFolder();
}

}  // namespace quillon::app
