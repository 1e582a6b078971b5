#include "app/QuillonMain.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/AboutBox.h"
#include "app/Cp1251.h"
#include "app/LayersView.h"
#include "app/OptFormUnit.h"
#include "app/Settings.h"

namespace quillon::app {

TQuillonMain::TQuillonMain(QString SettingsFile, QWidget* Parent)
    : QMainWindow(Parent),
      Prompts(this),
      SettingsPath(SettingsFile.isEmpty() ? SettingsFileName() : std::move(SettingsFile)) {
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
  setCentralWidget(MPageControl);
  StatusText = new QLabel;
  statusBar()->addWidget(StatusText, 1);
  // The board preview follows the board, and the units when its page shows.
  LayersView = new TLayersView;
  LayersSheet->layout()->addWidget(LayersView);
  connect(LayersView, &TLayersView::StatusText, StatusText, &QLabel::setText);
  connect(this, &TQuillonMain::BoardChanged, LayersView, [this] {
    LayersView->SetBoard(Board.get());
    LayersView->SetDbuFactor(DbuFactor);
    LayersView->Refresh();
  });
  connect(MPageControl, &QTabWidget::currentChanged, LayersView, [this] {
    if (LayersView->SetDbuFactor(DbuFactor)) LayersView->Refresh();
  });
  CreateActions();
  CreateMenus();
  resize(860, 620);

  FormCreate();
  OptDlg = new TOptDlg(this);
  AboutBox = new TAboutBox(this);
}

TQuillonMain::~TQuillonMain() {
  FormDestroy();
  // The child widgets die after this object; none of them may call back.
  for (QObject* Child : findChildren<QObject*>()) Child->blockSignals(true);
}

QString TQuillonMain::ExeDir() { return QCoreApplication::applicationDirPath(); }

void TQuillonMain::FormCreate() {
  PinDialog.InitialDir = PlotDialog.InitialDir = SaveDialog.InitialDir = ExeDir();
  DescriptionText.Clear();
  Board = std::make_unique<TScriptingPcb>();
  Board->SetPrompts(&Prompts);
  OutputFormat = fmtCam350Macro;
  LoadSettings(SettingsPath);
  ShowPinGrid();
  // The factor's row shows what the selected units mean from the start.
  DBUChang();
}

void TQuillonMain::FormShow() { MPageControl->setCurrentWidget(PinsSheet); }

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
  setWindowTitle(Name.isEmpty() ? QStringLiteral("Quillon") : Name + QStringLiteral(" - Quillon"));
}

}  // namespace quillon::app
