// SPDX-License-Identifier: MIT
// The four pages of the main window and their controls.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/Cp1251.h"
#include "app/OutputView.h"
#include "app/QuillonMain.h"

namespace quillon::app {

namespace {

QComboBox* DropDown(const QStringList& Items) {
  auto* Combo = new QComboBox;
  Combo->addItems(Items);
  Combo->setCurrentIndex(Items.isEmpty() ? -1 : 0);
  return Combo;
}

QPlainTextEdit* TextPane(bool ReadOnly) {
  auto* Edit = new QPlainTextEdit;
  Edit->setReadOnly(ReadOnly);
  Edit->setLineWrapMode(QPlainTextEdit::NoWrap);
  Edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  return Edit;
}

QStringList PinUnitNames() {
  QStringList Names;
  for (const TPinUnit& Unit : PinUnits) Names.append(QString::fromLatin1(Unit.Name));
  return Names;
}

}  // namespace

QWidget* TQuillonMain::BuildPinsPage() {
  PinMemo = TextPane(false);
  // A hint, not content: Read must not take it for a description.
  PinMemo->setPlaceholderText(tr("Load File"));
  OEMBtn = new QPushButton(QStringLiteral("OEM"));
  ANSIBtn = new QPushButton(QStringLiteral("ANSI"));
  auto* CodePage = new QButtonGroup(this);
  for (QPushButton* Button : {OEMBtn, ANSIBtn}) {
    Button->setCheckable(true);
    CodePage->addButton(Button);
    connect(Button, &QPushButton::clicked, this, [this] { OEMBtnClick(); });
  }
  ANSIBtn->setChecked(true);
  pinFormatCB = DropDown({tr("Pin# Hole Aper"), tr("Pin# Aper Hole")});
  HUnitCombo = DropDown(PinUnitNames());
  AUnitCombo = DropDown(PinUnitNames());
  OEMBtn->setToolTip(tr("Shows the description as DOS (code page 866) text converted."));
  ANSIBtn->setToolTip(tr("Shows the description as the file holds it (Windows-1251)."));
  pinFormatCB->setToolTip(tr("The order of the sizes on a description line."));
  HUnitCombo->setToolTip(tr("The unit of the hole sizes in the description."));
  AUnitCombo->setToolTip(tr("The unit of the pad (aperture) sizes in the description."));
  ReadPinBtn = new QPushButton(tr("Read"));
  ReadPinBtn->setToolTip(
      tr("Reads the pin table from the text (only the selected lines when some are selected)."));
  connect(ReadPinBtn, &QPushButton::clicked, this, [this] { ReadPinBtnClick(); });

  PinsStringGrid = new QTableWidget;
  PinsStringGrid->verticalHeader()->hide();
  PinsStringGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  PinsStringGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  SkippedLinesBtn = new QPushButton(tr("Lines not understood..."));
  SkippedLinesBtn->setObjectName(QStringLiteral("SkippedLinesBtn"));
  SkippedLinesBtn->setEnabled(false);
  connect(SkippedLinesBtn, &QPushButton::clicked, this, [this] { ShowSkippedLines(); });
  UndefinedPinsLabel = new QLabel;
  UndefinedPinsLabel->setWordWrap(true);
  UndefinedPinsList = new QTreeWidget;
  UndefinedPinsList->setObjectName(QStringLiteral("UndefinedPinsList"));
  UndefinedPinsList->setRootIsDecorated(false);
  UndefinedPinsList->setHeaderLabels({tr("Pin#"), tr("Flashes"), tr("Layers")});
  UndefinedPinsList->setToolTip(
      tr("Double-click a pin to see its first flash on the Layers page."));
  connect(UndefinedPinsList, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* Item) {
    ShowUndefinedPin(UndefinedPinsList->indexOfTopLevelItem(Item));
  });
  auto* TablePane = new QWidget;
  auto* TableLayout = new QVBoxLayout(TablePane);
  TableLayout->setContentsMargins(0, 0, 0, 0);
  TableLayout->addWidget(PinsStringGrid, 3);
  TableLayout->addWidget(SkippedLinesBtn, 0, Qt::AlignLeft);
  TableLayout->addWidget(UndefinedPinsLabel);
  TableLayout->addWidget(UndefinedPinsList, 2);

  auto* Controls = new QHBoxLayout;
  Controls->addWidget(OEMBtn);
  Controls->addWidget(ANSIBtn);
  Controls->addSpacing(16);
  Controls->addWidget(pinFormatCB);
  Controls->addSpacing(16);
  Controls->addWidget(new QLabel(tr("Hole:")));
  Controls->addWidget(HUnitCombo);
  Controls->addSpacing(8);
  Controls->addWidget(new QLabel(tr("Aperture:")));
  Controls->addWidget(AUnitCombo);
  Controls->addStretch();
  Controls->addWidget(ReadPinBtn);

  auto* Split = new QSplitter(Qt::Horizontal);
  Split->addWidget(PinMemo);
  Split->addWidget(TablePane);
  Split->setStretchFactor(0, 3);
  Split->setStretchFactor(1, 2);

  auto* Page = new QWidget;
  auto* Layout = new QVBoxLayout(Page);
  Layout->addLayout(Controls);
  Layout->addWidget(Split, 1);
  return Page;
}

QWidget* TQuillonMain::BuildPltPage() {
  RadioMM = new QRadioButton(tr("MM"));
  RadioInch = new QRadioButton(tr("Inch"));
  RadioPINCH = new QRadioButton(tr("PInch"));
  RadioCustom = new QRadioButton(tr("Custom"));
  RadioInch->setChecked(true);
  RadioCustom->setToolTip(tr("Any database unit: type it in the field, as the row reads "
                             "(N DBU = value in mm or inch)."));
  DBUCombo = DropDown(
      {QStringLiteral("1"), QStringLiteral("25"), QStringLiteral("50"), QStringLiteral("100")});
  DBUEdit = new QLineEdit(QStringLiteral("25.4"));
  DBUEdit->setEnabled(false);
  UnitBox = DropDown({tr("mm"), tr("inch")});

  auto* Units = new QGroupBox(tr(" Units "));
  auto* Radios = new QHBoxLayout;
  for (QRadioButton* Radio : {RadioMM, RadioInch, RadioPINCH, RadioCustom}) {
    Radios->addWidget(Radio);
    connect(Radio, &QRadioButton::toggled, this, [this](bool On) {
      if (On) DBUChang();
    });
  }
  Radios->addStretch();
  auto* Factor = new QHBoxLayout;
  Factor->addWidget(DBUCombo);
  Factor->addWidget(new QLabel(tr("DBU = ")));
  Factor->addWidget(DBUEdit, 1);
  Factor->addWidget(UnitBox);
  auto* UnitsLayout = new QVBoxLayout(Units);
  UnitsLayout->addLayout(Radios);
  UnitsLayout->addLayout(Factor);
  // The lists change only how the row reads, never the factor.
  connect(DBUCombo, &QComboBox::currentIndexChanged, this, [this] { ShowDbuRow(); });
  connect(UnitBox, &QComboBox::currentIndexChanged, this, [this] { ShowDbuRow(); });
  connect(DBUEdit, &QLineEdit::editingFinished, this, [this] { CustomDbuEdited(); });

  AperTopCB = new QComboBox;
  AperBotCB = new QComboBox;
  AperMskTopCB = new QComboBox;
  AperMskBotCB = new QComboBox;
  DrlCB = new QComboBox;
  auto* Mapping = new QGroupBox(tr("Pins Mapping"));
  auto* MappingLayout = new QFormLayout(Mapping);
  MappingLayout->addRow(tr("Apertures Top"), AperTopCB);
  MappingLayout->addRow(tr("Apertures Bot"), AperBotCB);
  MappingLayout->addRow(tr("Mask Top"), AperMskTopCB);
  MappingLayout->addRow(tr("Mask Bot"), AperMskBotCB);
  MappingLayout->addRow(tr("Drill"), DrlCB);
  MappingLayout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

  auto* Page = new QWidget;
  auto* Columns = new QHBoxLayout;
  Columns->addWidget(Units, 1, Qt::AlignTop);
  Columns->addWidget(Mapping, 1, Qt::AlignTop);
  auto* Layout = new QVBoxLayout(Page);
  Layout->addLayout(Columns);
  Layout->addWidget(BuildPackageBox());
  Layout->addStretch();
  // Until a plot is loaded the page says what to do instead of showing empty lists.
  PltStack = new QStackedWidget;
  PltStack->addWidget(BuildPltEmptyState());
  PltStack->addWidget(Page);
  return PltStack;
}

QGroupBox* TQuillonMain::BuildPackageBox() {
  SilkTopCB = new QComboBox;
  SilkBotCB = new QComboBox;
  OutlineCB = new QComboBox;
  const QList<QComboBox*> Lists = PackageLists();
  for (qsizetype R = 0; R < Lists.size(); ++R)
    connect(Lists[R], &QComboBox::activated, this, [this, R](int Index) {
      // A choice by hand is kept for the next plot, by the layer's name;
      // a name that would break its line in quillon.ini is not kept.
      const int L = Index - 1;
      const QString Name =
          L < 0 || L >= Board->Layers.Count() ? QString() : FromCp1251(Board->Layers.Items(L).Name);
      auto& Kept = PackageLayerNames[static_cast<std::size_t>(R)];
      if (Name.contains(u'\n') || Name.contains(u'\r'))
        Kept.reset();
      else
        Kept = Name;
    });
  OutlineFromExtentsBox = new QCheckBox(tr("Outline from extents"));
  OutlineFromExtentsBox->setToolTip(
      tr("Draws the board outline as the rectangle of the plot's header extents instead of "
         "taking an outline layer. The extents are only a guess at the board's edge: check "
         "the outline before ordering boards."));

  auto* Package = new QGroupBox(tr("Fab package"));
  Package->setToolTip(
      tr("Used by Gerber conversions with the Fab profile (Tools, Options): the layers that "
         "become the silkscreen and board outline files."));
  auto* Form = new QFormLayout;
  Form->addRow(tr("Silkscreen Top"), SilkTopCB);
  Form->addRow(tr("Silkscreen Bot"), SilkBotCB);
  Form->addRow(tr("Board Outline"), OutlineCB);
  Form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  auto* Row = new QHBoxLayout(Package);
  Row->addLayout(Form, 1);
  Row->addWidget(OutlineFromExtentsBox, 1, Qt::AlignBottom);
  return Package;
}

TOutputPage* TQuillonMain::BuildOutputPage() { return new TOutputPage; }

}  // namespace quillon::app
