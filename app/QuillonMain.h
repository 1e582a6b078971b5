// SPDX-License-Identifier: MIT
#pragma once
// The main window: the whole workflow of one conversion. Open a plot file,
// optionally open and read a pin description, map layers, choose units,
// format and item switches, convert, look at the result and save it.
// Every handler takes what the user chose as arguments (file names) or from
// the controls, so tests drive the real window without opening dialogs.

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/FileDialogs.h"
#include "app/GuiPrompts.h"
#include "script/ScriptPcb.h"
#include "text/TextLines.h"
#include "text/Units.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;
class QToolBar;
class QToolButton;

namespace quillon::app {

class TAboutBox;
class TLayersView;
class TOptDlg;
class TOutputPage;
class TOutputView;
class TWorkRunner;

class TQuillonMain : public QMainWindow {
  Q_OBJECT

 public:
  // Loads the settings from SettingsFile now and stores them there when the
  // window is destroyed; an empty name means SettingsFileName().
  explicit TQuillonMain(QString SettingsFile = QString(), QWidget* Parent = nullptr);
  ~TQuillonMain() override;

  // The workflow's handlers.
  void FormCreate();
  void FormShow();
  void FormDestroy();  // stores the settings; runs once
  void FileOpenAccept(const QString& FileName);
  void FillLayerLists();
  void PinFileOpenAccept(const QString& FileName);
  void OEMBtnClick();
  void ReadPinBtnClick();
  void DBUChang();
  void FormatActExecute(int Tag);
  void MakeActExecute(QAction* Entry);
  void ConvertActionExecute();
  void FileSaveAsAccept(const QString& FileName);
  // Ctrl+S: saves again under the last name; Save As when there is none.
  void FileSaveExecute();
  void OptShowActExecute();
  void AboutActExecute();
  void CustomizeActionBarsExecute();
  void HomePageExecute();

  // The settings file (Settings.cpp).
  void LoadSettings(const QString& FileName);
  void SaveSettings(const QString& FileName);
  const QString& SettingsFile() const { return SettingsPath; }

  // Files dropped onto the window: plot files open as plots, anything else
  // as a pin description.
  void OpenDroppedFiles(const QStringList& FileNames);
  static bool LooksLikePlotFile(const QString& FileName);
  // A pin description is text: no NUL byte and no other control character
  // than tab, line ends and the DOS end-of-file mark in its first block.
  static bool LooksLikeTextFile(const QString& FileName);
  // "quillon FILE.plt [DESCRIPTION]": the arguments after the program name.
  void OpenCommandLine(const QStringList& Arguments);

  // A load or a conversion is running on the worker; the window answers but
  // the commands that would touch the board wait.
  bool Busy() const;
  TWorkRunner* Worker() const { return Runner; }
  // The folder the last save wrote to; what OpenFolderAct opens.
  const QString& SavedFolder() const { return LastSaveFolder; }

  // The tool bar's buttons and which of them "Customize" left shown.
  const QList<QAction*>& ToolBarActions() const { return ToolBarOrder; }
  bool ToolBarActionShown(const QAction* Action) const;
  void SetToolBarActionShown(const QAction* Action, bool Shown);

  const QStringList& RecentFiles() const { return Recent; }

  // The plot file's name without folder, with ".scr" (CAM350), ".gbr"
  // (Gerber) or no extension (Genesis); empty without a plot file.
  static QString SuggestedSaveName(const QString& PlotFile, std::uint8_t Format);
  static QString ExeDir();
  // The bundled user guide beside the program (or in the installed doc
  // folder); empty when it is in neither place.
  static QString FindUserGuide(const QString& ExeFolder);

  // The page that the board preview fills.
  QWidget* LayersPage() const { return LayersSheet; }

  // Workflow state.
  std::unique_ptr<TScriptingPcb> Board;
  TTextLines DescriptionText;  // the description file's lines as on disk
  std::uint8_t OutputFormat = fmtCam350Macro;
  double DbuFactor = DefaultDbuFactor;
  // The form of the Gerber files, chosen in the options dialog.
  TGerberProfile GerberProfile = TGerberProfile::Legacy;
  bool ExcellonDrill = false;
  TGenesisHost GenesisHost = TGenesisHost::Windows;
  TFabNames FabNames = TFabNames::Protel;
  // The layer the user last chose by hand for each package role (silkscreen
  // top, silkscreen bottom, outline), by name; an empty name is "none".
  // Unset: the layers' names preselect the role.
  std::array<std::optional<QString>, 3> PackageLayerNames;
  TGuiPrompts Prompts;

  // The dialogs of FileOpen, PinFileOpen and FileSaveAs.
  TFileDialog PlotDialog;
  TFileDialog PinDialog;
  TFileDialog SaveDialog;
  TOptDlg* OptDlg = nullptr;
  TAboutBox* AboutBox = nullptr;

  // Pages and controls.
  QTabWidget* MPageControl;
  QWidget* PinsSheet;
  QWidget* PltSheet;
  QWidget* LayersSheet;
  TLayersView* LayersView;
  TOutputPage* OutputSheet;
  QPlainTextEdit* PinMemo;
  QPushButton* OEMBtn;
  QPushButton* ANSIBtn;
  QComboBox* pinFormatCB;
  QPushButton* ReadPinBtn;
  QComboBox* HUnitCombo;
  QComboBox* AUnitCombo;
  QTableWidget* PinsStringGrid;
  QRadioButton* RadioMM;
  QRadioButton* RadioInch;
  QRadioButton* RadioPINCH;
  QRadioButton* RadioCustom;
  QComboBox* DBUCombo;
  QLineEdit* DBUEdit;
  QComboBox* UnitBox;
  QComboBox* AperTopCB;
  QComboBox* AperBotCB;
  QComboBox* AperMskTopCB;
  QComboBox* AperMskBotCB;
  QComboBox* DrlCB;
  // The fab package's roles, in the order of PackageRoles; entry 0 is "none".
  QComboBox* SilkTopCB;
  QComboBox* SilkBotCB;
  QComboBox* OutlineCB;
  QCheckBox* OutlineFromExtentsBox;
  TOutputView* MemoLog;
  QLabel* StatusText;
  QLabel* CursorLabel;  // the board position under the mouse on "Layers"
  QProgressBar* ProgressBar;
  QPushButton* CancelButton;
  QToolButton* OpenFolderButton;

  // Actions, menus, tool bar.
  QAction* FileOpen;
  QAction* PinFileOpen;
  QAction* FileSaveAs;
  QAction* FileSave;
  QAction* FindAct;
  QAction* OpenFolderAct;
  QAction* FileExit;
  QAction* ConvertAction;
  QAction* CAM350ScrAct;
  QAction* GerberAct;
  QAction* GenesisAct;
  QAction* AddViewCommands;
  QAction* MakePadsAct;
  QAction* MakeLinesAct;
  QAction* MakeArcsAct;
  QAction* MakeTextAct;
  QAction* MakePolyAct;
  QAction* OptShowAct;
  QAction* CustomizeActionBars;
  QAction* HomePageAct;
  QAction* AboutAct;
  QMenu* FileMenu;
  QMenu* ConvertMenu;
  QMenu* FormatMenu;
  QMenu* ToolsMenu;
  QMenu* HelpMenu;
  QToolBar* ToolBar;

 signals:
  // The board's content changed: after every plot load (also one that
  // stopped with an error) and after the pin table was read or replaced.
  void BoardChanged();

 protected:
  void showEvent(QShowEvent* Event) override;
  void closeEvent(QCloseEvent* Event) override;
  void dragEnterEvent(QDragEnterEvent* Event) override;
  void dropEvent(QDropEvent* Event) override;

 private:
  QWidget* BuildPinsPage();
  QWidget* BuildPltPage();
  QGroupBox* BuildPackageBox();
  TOutputPage* BuildOutputPage();
  void BuildStatusBar();
  // Sizes the window to fit the screen's free area.
  void FitToScreen();
  void SetBusy(bool On);
  void UpdateSaveActions();
  // Stores the user's choices on the board and converts on the worker; false
  // when the user cancelled.
  bool ConvertOnWorker(std::uint8_t Format);
  void ShowOutput();
  // The Save As filter; after a fab conversion it also offers the archive.
  QString SaveFilter(bool FabPackage) const;
  QList<QComboBox*> PackageLists() const { return {SilkTopCB, SilkBotCB, OutlineCB}; }
  // The entry of a package list for role R of the loaded layers.
  int PackageListIndex(std::size_t R) const;
  void CreateActions();
  void CreateMenus();
  void RebuildToolBar();
  void AddRecentFile(const QString& FileName);
  void RebuildRecentMenu();
  void UpdateTitle();
  void ShowPinGrid();
  void ShowDescription(bool Oem);
  void ShowLoadedBoard();
  // Runs a handler's steps; an error that stops them is shown by the
  // general error report and the window goes on.
  void Guarded(const std::function<void()>& Steps);

  QString SettingsPath;
  TWorkRunner* Runner;
  bool CloseWhenIdle = false;
  std::uint8_t ConvertedFormat = fmtCam350Macro;  // of the output shown
  QString LastSaveName;                           // empty until the output shown was saved
  QString LastSaveFolder;
  bool Destroyed = false;
  bool Shown = false;
  QList<QAction*> ToolBarOrder;
  QList<bool> ToolBarShown;
  QStringList Recent;
  QList<QAction*> RecentActions;
  QAction* RecentSeparator = nullptr;
};

}  // namespace quillon::app
