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
#include <vector>

#include "app/FileDialogs.h"
#include "app/GuiPrompts.h"
#include "app/UndefinedPins.h"
#include "check/CheckRun.h"
#include "script/LayerRoles.h"
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
class QTreeWidget;
class QStackedWidget;
class QWidgetAction;

namespace quillon::app {

class TAboutBox;
class TCheckDifferenceBar;
struct TCheckOutcome;
class TLayersView;
class TOptDlg;
class TOutputPage;
class TOutputView;
class TWarningBar;
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
  // The "Custom" factor typed into DBUEdit: taken when it is a positive
  // number, refused with a message otherwise.
  void CustomDbuEdited();
  // DBUEdit shows the factor as the row reads.
  void ShowDbuRow();
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
  // Output > Check: reads the output's files back and compares them with
  // the plot (QuillonCheck.cpp).
  void CheckActExecute();
  // The last check of the output shown; null before one or once the output
  // changed.
  const TCheckOutcome* LastCheck() const { return CheckOutcome.get(); }
  // What the check runs with; the window sets the item switches and progress.
  check::TCheckOptions CheckOptions;
  // Told on the worker as each file is done, before Cancel is looked at.
  std::function<void(int Done, int Total)> CheckProgressHook;

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

  // The plot file's name without folder, with ".csh" (Genesis) or ".scr"
  // (CAM350; the main file of a Gerber conversion is a CAM350 text macro);
  // empty without a plot file.
  static QString SuggestedSaveName(const QString& PlotFile, std::uint8_t Format);
  static QString ExeDir();
  // The bundled user guide beside the program (or in the installed doc
  // folder); empty when it is in neither place.
  static QString FindUserGuide(const QString& ExeFolder);

  // The page that the board preview fills.
  QWidget* LayersPage() const { return LayersSheet; }
  // Where "Open description" starts: beside the plot loaded, else where the
  // description dialog would.
  QString DescriptionStartFolder() const;
  // How the tool bar names a format, after the options (the Gerber profile).
  QString FormatCaption(std::uint8_t Format) const;

  // Workflow state.
  std::unique_ptr<TScriptingPcb> Board;
  TTextLines DescriptionText;  // the description file's lines as on disk
  std::uint8_t OutputFormat = fmtCam350Macro;
  double DbuFactor = DefaultDbuFactor;
  // The factor of "Custom", kept in the settings.
  double CustomDbuFactor = DefaultDbuFactor;
  // The form of the Gerber files, chosen in the options dialog.
  TGerberProfile GerberProfile = TGerberProfile::Legacy;
  bool ExcellonDrill = false;
  TGenesisHost GenesisHost = TGenesisHost::Windows;
  TFabNames FabNames = TFabNames::Protel;
  // The Genesis job chosen in the options; empty: SuggestedJobName().
  QString GenesisJob;
  TGenesisMatrix GenesisMatrix = TGenesisMatrix::Document;
  // The plot's base name as a job name Genesis accepts.
  QString SuggestedJobName() const;
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
  // The Plt page: its "open a plot" state (0) until a plot is loaded, then
  // its lists (1).
  QStackedWidget* PltStack;
  QPushButton* PltOpenBtn;
  TLayersView* LayersView;
  TOutputPage* OutputSheet;
  TCheckDifferenceBar* DifferenceBar;  // on the Layers page
  TWarningBar* RolesWarning;           // above the pages: roles the last conversion lacked
  QPlainTextEdit* PinMemo;
  QPushButton* OEMBtn;
  QPushButton* ANSIBtn;
  QComboBox* pinFormatCB;
  QPushButton* ReadPinBtn;
  QComboBox* HUnitCombo;
  QComboBox* AUnitCombo;
  QTableWidget* PinsStringGrid;
  QPushButton* SkippedLinesBtn;  // lists the description's lines that added no row
  QLabel* UndefinedPinsLabel;
  QTreeWidget* UndefinedPinsList;  // the plot's pins the description lacks
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
  QAction* CheckAct;
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
  QMenu* OutputMenu;
  QMenu* ToolsMenu;
  QMenu* HelpMenu;
  QToolBar* ToolBar;
  // The tool bar's format list, beside Convert.
  QComboBox* FormatBox;
  QWidgetAction* FormatBoxAct;

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
  QWidget* BuildPltEmptyState();
  void ShowPltState();
  void BuildFormatBox();
  // The format list follows the format and the options.
  void ShowFormat();
  QGroupBox* BuildPackageBox();
  TOutputPage* BuildOutputPage();
  void BuildStatusBar();
  // Sizes the window to fit the screen's free area.
  void FitToScreen();
  void SetBusy(bool On);
  // How the settings file names a units button: "MM", "Inch", "PInch", "Custom".
  QString UnitsName(const QRadioButton* Radio) const;
  // What the factor is multiplied by to read as DBUEdit shows it.
  double DbuRowScale() const;
  void UpdateSaveActions();
  // Stores the user's choices on the board and converts on the worker; false
  // when the user cancelled.
  bool ConvertOnWorker(std::uint8_t Format);
  void ShowOutput();
  // The Save As filter; after a fab conversion it also offers the archive.
  static QString SaveFilter(std::uint8_t Format, bool FabPackage);
  static QString SaveTitle(std::uint8_t Format);
  QList<QComboBox*> PackageLists() const { return {SilkTopCB, SilkBotCB, OutlineCB}; }
  // The entry of a package list for role R of the loaded layers.
  int PackageListIndex(std::size_t R) const;
  // The role of each layer by the lists of the Plt page.
  std::vector<TLayerRole> ChosenRoles() const;
  void CreateActions();
  void CreateMenus();
  void RebuildToolBar();
  void AddRecentFile(const QString& FileName);
  void RebuildRecentMenu();
  void UpdateTitle();
  void ShowPinGrid();
  void ShowSkippedLines();
  // The plot's pins the description lacks, on the Pins page.
  void ShowUndefinedPins();
  // Shows pin I of that list on the Layers page.
  void ShowUndefinedPin(int I);
  // The lines below the undefined-pin question.
  QString PinPlaceText(std::int32_t PinRow, int Layer, const TPcbFlash* Flash) const;
  void ShowDescription(bool Oem);
  void ShowLoadedBoard();
  // A plot that was not taken: Message (none when already told) and a status
  // line saying that the board shown is still the one before.
  void RefuseLoad(const QString& FileName, const QString& Message);
  std::int64_t BoardItemCount() const;
  // How the window names layer L: "1: COMP", its number in the plot and its name.
  QString LayerLabel(int L) const;
  // Forgets the output: it belonged to the board before.
  void DropOutput();
  // Forgets the last check: it belonged to the output before.
  void ForgetCheck();
  // Once per board, when it is incomplete: says so before Action ("convert",
  // "save") goes on with what was loaded.
  void WarnIncomplete(bool& Warned);
  // What the output note says of the pad and drill roles no layer is chosen
  // for; empty when each has one.
  QString UnchosenRolesNote(std::uint8_t Format) const;
  // Before a save replaces files of its set other than the one named: lists
  // them and asks; false when the user said No.
  bool ConfirmReplacing(const std::string& FileName);
  // The Output page's list: the files a save to SaveTarget() writes.
  void ShowOutputFiles();
  QString SaveTarget() const;
  QString OutputFileRole(const TOutputFile& File) const;
  // Why the output shown is not whole; empty when it is.
  QString OutputNote() const;
  // Runs a handler's steps; an error that stops them is shown by the
  // general error report and the window goes on.
  void Guarded(const std::function<void()>& Steps);

  QString SettingsPath;
  TWorkRunner* Runner;
  bool CloseWhenIdle = false;
  std::uint8_t ConvertedFormat = fmtCam350Macro;  // of the output shown
  std::uint8_t ConvertedItems = coAll;            // its item switches
  std::uint8_t ConvertingItems = coAll;           // those of the conversion running
  std::unique_ptr<TCheckOutcome> CheckOutcome;
  QString LastSaveName;                           // empty until the output shown was saved
  QString OutputPlot;  // the plot the output shown was converted from; empty: no output
  // Set while the board shown came from a plot whose reading stopped early:
  // the title and status carry it.
  QString IncompleteNote;
  QString OutputIncomplete;  // IncompleteNote of the board the output came from
  QString OutputCutShort;    // where Cancel in the pin question ended the pads writer
  bool WarnedIncompleteConvert = false;
  bool WarnedIncompleteSave = false;
  bool CutShortConfirmed = false;
  QString OutputRolesNote;   // UnchosenRolesNote() of the output shown  // the user chose to save
                             // the output cut short
  QStringList SkippedLines;  // "line N: text" of the description's lines not understood
  std::vector<TUndefinedPin> UndefinedPins;
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
