// SPDX-License-Identifier: MIT
#include "app/QuillonMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/AboutBox.h"
#include "app/Cp1251.h"
#include "app/DifferenceOverlay.h"
#include "app/ElidedLabel.h"
#include "app/LayersView.h"
#include "app/OptFormUnit.h"
#include "app/OutputView.h"
#include "app/Settings.h"
#include "app/WarningBar.h"
#include "app/WorkRunner.h"

namespace quillon::app {

TQuillonMain::TQuillonMain(QString SettingsFile, QWidget* Parent)
    : QMainWindow(Parent),
      Prompts(this),
      SettingsPath(SettingsFile.isEmpty() ? SettingsFileName() : std::move(SettingsFile)),
      Runner(new TWorkRunner(this)) {
  setWindowTitle(QStringLiteral("Quillon"));
  setAcceptDrops(true);
  MPageControl = new QTabWidget;
  MPageControl->setDocumentMode(true);
  PinsSheet = BuildPinsPage();
  PltSheet = BuildPltPage();
  LayersSheet = new QWidget;
  new QVBoxLayout(LayersSheet);
  OutputSheet = BuildOutputPage();
  MPageControl->addTab(PinsSheet, tr("Pins"));
  MPageControl->addTab(PltSheet, tr("Plt"));
  MPageControl->addTab(LayersSheet, tr("Layers"));
  MPageControl->addTab(OutputSheet, tr("Output"));
  // The roles warning of the last conversion sits above the pages, where
  // it is seen whichever page is open.
  RolesWarning = new TWarningBar;
  auto* Central = new QWidget;
  auto* Column = new QVBoxLayout(Central);
  Column->setContentsMargins(0, 0, 0, 0);
  Column->setSpacing(2);
  Column->addWidget(RolesWarning);
  Column->addWidget(MPageControl, 1);
  setCentralWidget(Central);
  MemoLog = OutputSheet->View();
  BuildStatusBar();
  // The board preview follows the board, and the units when its page shows.
  LayersView = new TLayersView;
  LayersSheet->layout()->addWidget(LayersView);
  DifferenceBar = new TCheckDifferenceBar(LayersView);
  LayersSheet->layout()->addWidget(DifferenceBar);
  connect(LayersView, &TLayersView::StatusText, StatusText, &QLabel::setText);
  connect(LayersView, &TLayersView::CursorText, CursorLabel, &QLabel::setText);
  connect(this, &TQuillonMain::BoardChanged, LayersView, [this] {
    LayersView->SetBoard(Board.get());
    LayersView->SetLayerRoles(ChosenRoles());
    LayersView->SetDbuFactor(DbuFactor);
    LayersView->Refresh();
  });
  connect(MPageControl, &QTabWidget::currentChanged, LayersView, [this] {
    if (LayersView->SetDbuFactor(DbuFactor)) LayersView->Refresh();
  });
  Prompts.SetPlaceText([this](std::int32_t PinRow, int Layer, const TPcbFlash* Flash) {
    return PinPlaceText(PinRow, Layer, Flash);
  });
  // The preview's colours and order follow the roles as they are chosen.
  for (QComboBox* List :
       {AperTopCB, AperBotCB, AperMskTopCB, AperMskBotCB, DrlCB, SilkTopCB, SilkBotCB, OutlineCB}) {
    connect(List, &QComboBox::activated, LayersView, [this] {
      LayersView->SetLayerRoles(ChosenRoles());
      LayersView->Refresh();
    });
    // A long layer name is cut in the list, not widening the page; the
    // tooltip has the choice whole.
    List->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    List->setMinimumContentsLength(12);
    connect(List, &QComboBox::currentTextChanged, List, &QWidget::setToolTip);
  }
  CreateActions();
  CreateMenus();
  FitToScreen();

  FormCreate();
  UpdateSaveActions();
  OptDlg = new TOptDlg(this);
  AboutBox = new TAboutBox(this);
}

TQuillonMain::~TQuillonMain() {
  // The board dies before the child widgets: the Layers page's workers stop first.
  LayersView->SetPaused(true);
  FormDestroy();
  // The child widgets die after this object; none of them may call back.
  for (QObject* Child : findChildren<QObject*>()) Child->blockSignals(true);
}

QString TQuillonMain::ExeDir() { return QCoreApplication::applicationDirPath(); }

void TQuillonMain::FormCreate() {
  PinDialog.InitialDir = PlotDialog.InitialDir = SaveDialog.InitialDir = QDir::homePath();
  DescriptionText.Clear();
  Board = std::make_unique<TScriptingPcb>();
  Board->SetPrompts(&Prompts);
  Board->SetProgress(Runner);
  OutputFormat = fmtCam350Macro;
  LoadSettings(SettingsPath);
  ShowPinGrid();
  // The factor's row shows what the selected units mean from the start.
  DBUChang();
}

// The Plt page first: its "open a plot" state is where the work begins.
void TQuillonMain::FormShow() { MPageControl->setCurrentWidget(PltSheet); }

void TQuillonMain::FormDestroy() {
  if (Destroyed) return;
  Destroyed = true;
  Guarded([&] { SaveSettings(SettingsPath); });
  // The board and the description die with the window, after this.
}

void TQuillonMain::showEvent(QShowEvent* Event) {
  QMainWindow::showEvent(Event);
  if (!Shown && !Event->spontaneous()) {
    Shown = true;
    FormShow();
  }
}

void TQuillonMain::BuildStatusBar() {
  // A long item text or file name is cut, never widening the window.
  StatusText = new TElidedLabel;
  StatusText->setObjectName(QStringLiteral("StatusText"));
  statusBar()->addWidget(StatusText, 1);
  CursorLabel = new QLabel;
  statusBar()->addPermanentWidget(CursorLabel);
  OpenFolderButton = new QToolButton;
  OpenFolderButton->setAutoRaise(true);
  statusBar()->addPermanentWidget(OpenFolderButton);
  ProgressBar = new QProgressBar;
  ProgressBar->setMaximumWidth(200);
  ProgressBar->setTextVisible(false);
  CancelButton = new QPushButton(tr("Cancel"));
  CancelButton->setObjectName(QStringLiteral("CancelWork"));
  statusBar()->addPermanentWidget(ProgressBar);
  statusBar()->addPermanentWidget(CancelButton);
  ProgressBar->hide();
  CancelButton->hide();
  connect(CancelButton, &QPushButton::clicked, Runner, &TWorkRunner::Cancel);
  // A step on the worker may replace the board's layers: the Layers page
  // reads none of them meanwhile.
  connect(Runner, &TWorkRunner::Started, this, [this] {
    LayersView->SetPaused(true);
    SetBusy(true);
  });
  connect(Runner, &TWorkRunner::Finished, this, [this] {
    SetBusy(false);
    LayersView->SetPaused(false);
  });
  connect(Runner, &TWorkRunner::StageChanged, this, [this](const QString& Text, int Percent) {
    StatusText->setText(Text);
    if (Percent >= 0) ProgressBar->setValue(Percent);
  });
  connect(OutputSheet, &TOutputPage::StatusText, StatusText, &QLabel::setText);
}

void TQuillonMain::FitToScreen() {
  const QScreen* Screen = screen();
  const QRect Free = Screen ? Screen->availableGeometry() : QRect(0, 0, 860, 620);
  // The frame (title bar, borders) comes on top of the size given here.
  const int FrameSpace = 40;
  resize(std::min(860, Free.width() - 16), std::min(620, Free.height() - FrameSpace));
  move(Free.topLeft() + QPoint((Free.width() - width()) / 2,
                               std::max(0, (Free.height() - FrameSpace - height()) / 2)));
}

bool TQuillonMain::Busy() const { return Runner->Busy(); }

void TQuillonMain::SetBusy(bool On) {
  ProgressBar->setValue(0);
  ProgressBar->setVisible(On);
  CancelButton->setVisible(On);
  CancelButton->setEnabled(On);
  for (QAction* Command :
       {FileOpen, PinFileOpen, ConvertAction, OptShowAct, CAM350ScrAct, GerberAct, GenesisAct})
    Command->setEnabled(!On);
  for (QAction* Entry : RecentActions) Entry->setEnabled(!On);
  PinsSheet->setEnabled(!On);
  PltSheet->setEnabled(!On);
  UpdateSaveActions();
  if (!On && CloseWhenIdle) QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TQuillonMain::UpdateSaveActions() {
  const bool CanSave = !Busy() && Board && !Board->Output.Empty();
  FileSaveAs->setEnabled(CanSave);
  FileSave->setEnabled(CanSave);
  CheckAct->setEnabled(CanSave);
  ConvertAction->setEnabled(!Busy() && Board && Board->Layers.Count() > 0);
}

void TQuillonMain::closeEvent(QCloseEvent* Event) {
  if (Busy()) {
    // The worker uses the board: it stops first, then the window closes.
    CloseWhenIdle = true;
    Runner->Cancel();
    Event->ignore();
    return;
  }
  QMainWindow::closeEvent(Event);
}

void TQuillonMain::Guarded(const std::function<void()>& Steps) {
  try {
    Steps();
  } catch (const std::exception& Error) {
    Prompts.ReportError(FromCoreText(Error.what()));
  } catch (...) {
    Prompts.ReportError(tr("Unknown error"));
  }
}

void TQuillonMain::UpdateTitle() {
  const QString Name = QFileInfo(PlotDialog.FileName).fileName();
  const QString Shown = IncompleteNote.isEmpty() ? Name : tr("%1 (incomplete)").arg(Name);
  setWindowTitle(Name.isEmpty() ? QStringLiteral("Quillon") : Shown + QStringLiteral(" - Quillon"));
}

}  // namespace quillon::app
