// SPDX-License-Identifier: MIT
// The actions of the main window, its menus, tool bar and recent files.

#include <QAction>
#include <QActionGroup>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QWidgetAction>

#include "app/OutputView.h"
#include "app/QuillonMain.h"
#include "app/Settings.h"

namespace quillon::app {

namespace {

QAction* NewAction(QObject* Owner, const char* Name, const QString& Caption) {
  auto* Action = new QAction(Caption, Owner);
  Action->setObjectName(QString::fromLatin1(Name));
  return Action;
}

QAction* CheckEntry(QObject* Owner, const char* Name, const QString& Caption) {
  QAction* Action = NewAction(Owner, Name, Caption);
  Action->setCheckable(true);
  Action->setChecked(true);
  return Action;
}

}  // namespace

void TQuillonMain::CreateActions() {
  FileOpen = NewAction(this, "FileOpen", tr("&Open..."));
  FileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  FileOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
  PinFileOpen = NewAction(this, "PinFileOpen", tr("O&pen description..."));
  // No key of its own: a second Ctrl+O, even bound to the menu entry only,
  // made the key ambiguous once the menu had been shown.
  PinFileOpen->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
  FileSaveAs = NewAction(this, "FileSaveAs", tr("Save &As..."));
  FileSaveAs->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  FileSave = NewAction(this, "FileSave", tr("&Save"));
  FileSave->setShortcut(QKeySequence::Save);
  FindAct = NewAction(this, "FindAct", tr("&Find in Output..."));
  FindAct->setShortcut(QKeySequence::Find);
  OpenFolderAct = NewAction(this, "OpenFolderAct", tr("Open folder"));
  OpenFolderAct->setVisible(false);
  FileExit = NewAction(this, "FileExit", tr("E&xit"));
  FileExit->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
  ConvertAction = NewAction(this, "ConvertAction", tr("&Convert"));
  ConvertAction->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
  ConvertAction->setShortcut(QKeySequence(Qt::Key_F5));
  CheckAct = NewAction(this, "CheckAct", tr("&Check"));
  CheckAct->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
  CheckAct->setToolTip(
      tr("Read the Gerber and drill files back and compare them with the plot, layer by layer"));

  CAM350ScrAct = CheckEntry(this, "CAM350ScrAct", tr("&CAM350 Script"));
  GerberAct = CheckEntry(this, "GerberAct", tr("&Gerber RS274X"));
  GenesisAct = CheckEntry(this, "GenesisAct", tr("Genesis Script"));
  GerberAct->setChecked(false);
  GenesisAct->setChecked(false);
  auto* Formats = new QActionGroup(this);
  int Tag = 1;
  for (QAction* Format : {CAM350ScrAct, GerberAct, GenesisAct}) {
    Format->setData(Tag++);
    Formats->addAction(Format);
    connect(Format, &QAction::triggered, this,
            [this, Format] { FormatActExecute(Format->data().toInt()); });
  }

  // Checkable entries toggle themselves when chosen from a menu;
  // MakeActExecute is that same step for code.
  AddViewCommands = CheckEntry(this, "AddViewCommands", tr("A&dd View Commands"));
  MakePadsAct = CheckEntry(this, "MakePadsAct", tr("&Pads"));
  MakeLinesAct = CheckEntry(this, "MakeLinesAct", tr("&Lines"));
  MakeArcsAct = CheckEntry(this, "MakeArcsAct", tr("&Arcs"));
  MakeTextAct = CheckEntry(this, "MakeTextAct", tr("&Text"));
  MakePolyAct = CheckEntry(this, "MakePolyAct", tr("P&olygons"));

  OptShowAct = NewAction(this, "OptShowAct", tr("&Options..."));
  CustomizeActionBars = NewAction(this, "CustomizeActionBars", tr("&Customize"));
  HomePageAct = NewAction(this, "HomePageAct", tr("&Home Page"));
  AboutAct = NewAction(this, "AboutAct", tr("&About..."));

  connect(FileOpen, &QAction::triggered, this, [this] {
    if (PlotDialog.Execute(this)) FileOpenAccept(PlotDialog.FileName);
  });
  connect(PinFileOpen, &QAction::triggered, this, [this] {
    if (PinDialog.Execute(this, DescriptionStartFolder())) PinFileOpenAccept(PinDialog.FileName);
  });
  connect(FileSaveAs, &QAction::triggered, this, [this] {
    if (SaveDialog.Execute(this)) FileSaveAsAccept(SaveDialog.FileName);
  });
  connect(FileSave, &QAction::triggered, this, [this] { FileSaveExecute(); });
  connect(FindAct, &QAction::triggered, this, [this] {
    MPageControl->setCurrentWidget(OutputSheet);
    OutputSheet->StartFind();
  });
  connect(OpenFolderAct, &QAction::triggered, this,
          [this] {
            // Without a file manager nothing would happen at all.
            if (!QDesktopServices::openUrl(QUrl::fromLocalFile(LastSaveFolder)))
              Prompts.ReportError(
                  tr("No file manager could open %1").arg(QDir::toNativeSeparators(LastSaveFolder)));
          });
  connect(FileExit, &QAction::triggered, this, &QWidget::close);
  connect(ConvertAction, &QAction::triggered, this, [this] { ConvertActionExecute(); });
  connect(CheckAct, &QAction::triggered, this, [this] { CheckActExecute(); });
  connect(OptShowAct, &QAction::triggered, this, [this] { OptShowActExecute(); });
  connect(CustomizeActionBars, &QAction::triggered, this, [this] { CustomizeActionBarsExecute(); });
  connect(HomePageAct, &QAction::triggered, this, [this] { HomePageExecute(); });
  connect(AboutAct, &QAction::triggered, this, [this] { AboutActExecute(); });

  PlotDialog.Title = tr("Open plot file");
  PlotDialog.DefaultExt = QStringLiteral("plt");
  PlotDialog.Filter = tr("P-Cad 4.5 PLOT files, *.plt|*.plt|All Files *.*|*.*");
  PinDialog.DefaultExt = QStringLiteral("txt");
  PinDialog.Filter = tr("Description Files, *.txt;*.dat|*.txt;*.dat|All Files, *.*|*.*");
  SaveDialog.Kind = TFileDialog::SaveAs;
  SaveDialog.Title = SaveTitle(fmtCam350Macro);
  SaveDialog.DefaultExt = QStringLiteral("scr");
  SaveDialog.Filter = SaveFilter(fmtCam350Macro, false);
}

QString TQuillonMain::SaveTitle(std::uint8_t Format) {
  if (Format == fmtGenesis) return tr("Save Genesis script");
  if (Format == fmtGerber) return tr("Save CAM350 macro and Gerber files");
  return tr("Save CAM350 Script");
}

QString TQuillonMain::SaveFilter(std::uint8_t Format, bool FabPackage) {
  // The format's own type comes first: the dialog starts on it.
  const QString Own =
      Format == fmtGenesis ? tr("Genesis Script, *.csh|*.csh") : tr("CAM350 v5 Macro, *.scr|*.scr");
  QStringList Filter = {Own};
  if (FabPackage) Filter.append(tr("Fab package|*.zip"));
  Filter.append(tr("Out files, *.scr; *.gbr; *.txt; *.csh|*.scr;*.gbr;*.txt;*.csh"));
  Filter.append(tr("Text Files, *.txt|*.txt"));
  Filter.append(tr("All Files, *.*|*.*"));
  return Filter.join(u'|');
}

void TQuillonMain::CreateMenus() {
  FileMenu = menuBar()->addMenu(tr("&File"));
  FileMenu->addActions({FileOpen, PinFileOpen, FileSave, FileSaveAs});
  FileMenu->addSeparator();
  FileMenu->addAction(FileExit);
  RecentSeparator = FileMenu->insertSeparator(FileExit);
  RecentSeparator->setVisible(false);

  ConvertMenu = menuBar()->addMenu(tr("&Convert"));
  ConvertMenu->addAction(ConvertAction);
  ConvertMenu->addSeparator();
  FormatMenu = ConvertMenu->addMenu(tr("&Format"));
  FormatMenu->addActions({CAM350ScrAct, GerberAct, GenesisAct});
  ConvertMenu->addSeparator();
  ConvertMenu->addAction(AddViewCommands);
  ConvertMenu->addSeparator();
  ConvertMenu->addActions({MakePadsAct, MakeLinesAct, MakeArcsAct, MakeTextAct, MakePolyAct});
  OutputMenu = menuBar()->addMenu(tr("&Output"));
  OutputMenu->addAction(CheckAct);
  // Not in a menu: the key works from every page.
  addAction(FindAct);

  ToolsMenu = menuBar()->addMenu(tr("&Tools"));
  ToolsMenu->addActions({OptShowAct, CustomizeActionBars});
  HelpMenu = menuBar()->addMenu(tr("&Help"));
  HelpMenu->addAction(HomePageAct);
  HelpMenu->addSeparator();
  HelpMenu->addAction(AboutAct);

  ToolBar = addToolBar(tr("Tool bar"));
  ToolBar->setObjectName(QStringLiteral("ToolBar"));
  ToolBar->setMovable(false);
  ToolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  OpenFolderButton->setDefaultAction(OpenFolderAct);
  // A plot is opened before its description.
  ToolBarOrder = {FileOpen, PinFileOpen, ConvertAction, FileSaveAs, CheckAct, FileExit};
  BuildFormatBox();
  ToolBarShown = QList<bool>(ToolBarOrder.size(), true);
  RebuildToolBar();
}

void TQuillonMain::RebuildToolBar() {
  ToolBar->clear();
  for (qsizetype I = 0; I < ToolBarOrder.size(); ++I) {
    if (ToolBarShown[I]) ToolBar->addAction(ToolBarOrder[I]);
    // The format Convert writes, always in sight beside it.
    if (ToolBarOrder[I] == ConvertAction) ToolBar->addAction(FormatBoxAct);
  }
}

bool TQuillonMain::ToolBarActionShown(const QAction* Action) const {
  const qsizetype I = ToolBarOrder.indexOf(Action);
  return I >= 0 && ToolBarShown[I];
}

void TQuillonMain::SetToolBarActionShown(const QAction* Action, bool Shown) {
  const qsizetype I = ToolBarOrder.indexOf(Action);
  if (I < 0) return;
  ToolBarShown[I] = Shown;
  RebuildToolBar();
}

void TQuillonMain::AddRecentFile(const QString& FileName) {
  const QString Path = QFileInfo(FileName).absoluteFilePath();
  Recent.removeAll(Path);
  Recent.prepend(Path);
  while (Recent.size() > RecentFileCount) Recent.removeLast();
  RebuildRecentMenu();
}

void TQuillonMain::RebuildRecentMenu() {
  // An entry may be the one being triggered right now: it goes later.
  for (QAction* Old : RecentActions) {
    FileMenu->removeAction(Old);
    Old->deleteLater();
  }
  RecentActions.clear();
  for (qsizetype I = 0; I < Recent.size(); ++I) {
    const QString Path = Recent[I];
    auto* Entry =
        new QAction(QStringLiteral("&%1 %2").arg(I + 1).arg(QFileInfo(Path).fileName()), this);
    Entry->setStatusTip(Path);
    Entry->setToolTip(Path);
    connect(Entry, &QAction::triggered, this, [this, Path] { FileOpenAccept(Path); });
    FileMenu->insertAction(RecentSeparator, Entry);
    RecentActions.append(Entry);
  }
  RecentSeparator->setVisible(!Recent.isEmpty());
}

}  // namespace quillon::app
