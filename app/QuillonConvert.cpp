// SPDX-License-Identifier: MIT
// The conversion: units, format, item switches, Convert and Save As.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <array>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <vector>

#include "app/Cp1251.h"
#include "app/FabZipSave.h"
#include "app/OutputView.h"
#include "app/QuillonMain.h"
#include "app/RoleNames.h"
#include "app/WarningBar.h"
#include "app/WorkRunner.h"
#include "script/fab/FabProvenance.h"
#include "script/genesis/GenesisSyntax.h"

namespace quillon::app {

namespace {

// What the entries of DBUCombo stand for.
constexpr std::array<double, 4> DbuCounts = {1, 25, 50, 100};

// Mapping lists hand their index to a byte field of the board; nothing
// selected leaves the field as an earlier conversion set it.
void StoreLayerChoice(const QComboBox* List, std::uint8_t& Field) {
  const int Index = List->currentIndex();
  if (Index < 0) return;
  if (Index > 255) throw std::runtime_error("Range check error");
  Field = static_cast<std::uint8_t>(Index);
}

// A package list's entry as a package role of the board: entry 0 is "none".
void StorePackageChoice(const QComboBox* List, std::optional<std::uint8_t>& Field) {
  const int Index = List->currentIndex() - 1;
  if (Index < 0) {
    Field.reset();
    return;
  }
  if (Index > 255) throw std::runtime_error("Range check error");
  Field = static_cast<std::uint8_t>(Index);
}

// What a conversion changes on the board: every output and everything a
// save names or writes the files by. It is moved aside before the worker
// starts, so that Cancel or an error puts the last output back whole instead
// of leaving half an output, or a whole one that Save would name or describe
// by the new choices.
struct TConversionState {
  TTextLines Output, DrillOutput, NonPlatedDrillOutput, OutlineOutput, JobOutput;
  std::vector<TTextLines> LayerOutputs;
  TApertureTable Apertures;
  std::uint8_t PadTopLayer = 0, PadBottomLayer = 0, MaskTopLayer = 0, MaskBottomLayer = 0,
               DrillLayer = 0;
  std::optional<std::uint8_t> SilkTopLayer, SilkBottomLayer, OutlineLayer;
  std::string Title, ProjectName, CreationDate, JobOutputKey;
  int JobOutputBuilds = 0;
  bool AddViewCommands = true;
  TGerberProfile GerberProfile = TGerberProfile::Legacy;
  TGenesisHost GenesisHost = TGenesisHost::Windows;
  std::string GenesisJob;
  TGenesisMatrix GenesisMatrix = TGenesisMatrix::Document;
  std::string_view MainLineEnd;
  bool ExcellonDrill = false, OutlineFromExtents = false, FabPackageMade = false;
  TFabNames FabNames = TFabNames::Protel;
  double Scale = 0.0;

  // Each field of the board with its kept copy: OnOutput for what a
  // conversion writes, OnSetting for what it reads or names the files by.
  template <class TOnOutput, class TOnSetting>
  void Pair(TScriptingPcb& B, TOnOutput OnOutput, TOnSetting OnSetting) {
    OnOutput(B.Output, Output);
    OnOutput(B.DrillOutput, DrillOutput);
    OnOutput(B.NonPlatedDrillOutput, NonPlatedDrillOutput);
    OnOutput(B.OutlineOutput, OutlineOutput);
    OnOutput(B.JobOutput, JobOutput);
    OnSetting(B.JobOutputKey, JobOutputKey);
    OnSetting(B.JobOutputBuilds, JobOutputBuilds);
    OnOutput(B.LayerOutputs, LayerOutputs);
    OnOutput(B.Apertures, Apertures);
    OnSetting(B.PadTopLayer, PadTopLayer);
    OnSetting(B.PadBottomLayer, PadBottomLayer);
    OnSetting(B.MaskTopLayer, MaskTopLayer);
    OnSetting(B.MaskBottomLayer, MaskBottomLayer);
    OnSetting(B.DrillLayer, DrillLayer);
    OnSetting(B.SilkTopLayer, SilkTopLayer);
    OnSetting(B.SilkBottomLayer, SilkBottomLayer);
    OnSetting(B.OutlineLayer, OutlineLayer);
    OnSetting(B.Title, Title);
    OnSetting(B.ProjectName, ProjectName);
    OnSetting(B.CreationDate, CreationDate);
    OnSetting(B.AddViewCommands, AddViewCommands);
    OnSetting(B.GerberProfile, GerberProfile);
    OnSetting(B.GenesisHost, GenesisHost);
    OnSetting(B.GenesisJob, GenesisJob);
    OnSetting(B.GenesisMatrix, GenesisMatrix);
    OnSetting(B.MainLineEnd, MainLineEnd);
    OnSetting(B.ExcellonDrill, ExcellonDrill);
    OnSetting(B.OutlineFromExtents, OutlineFromExtents);
    OnSetting(B.FabPackageMade, FabPackageMade);
    OnSetting(B.FabNames, FabNames);
    OnSetting(B.Scale, Scale);
  }

  // The outputs move aside (the board's are left empty); the settings are copied.
  static TConversionState Take(TScriptingPcb& Board) {
    TConversionState State;
    State.Pair(
        Board,
        [](auto& Now, auto& Kept) {
          Kept = std::move(Now);
          Now = {};
        },
        [](const auto& Now, auto& Kept) { Kept = Now; });
    Board.FabPackageMade = false;
    return State;
  }

  void Restore(TScriptingPcb& Board) {
    const auto Back = [](auto& Now, auto& Kept) { Now = std::move(Kept); };
    Pair(Board, Back, Back);
  }
};

// The suffix the save dialog adds and its title, after the output's format.
QString FormatSuffix(std::uint8_t Format) {
  if (Format == fmtGenesis) return QStringLiteral("csh");
  return QStringLiteral("scr");
}

}  // namespace

double TQuillonMain::DbuRowScale() const {
  // The row reads "N DBU = value unit": value = factor * N, in inches / 25.4.
  const int Count = DBUCombo->currentIndex();
  const double PerCount = DbuCounts[Count >= 0 && Count < 4 ? static_cast<std::size_t>(Count) : 0];
  return UnitBox->currentIndex() == 1 ? PerCount / 25.4 : PerCount;
}

void TQuillonMain::DBUChang() {
  DBUEdit->setEnabled(RadioCustom->isChecked());
  if (RadioCustom->isChecked()) return CustomDbuEdited();
  if (RadioMM->isChecked())
    DbuFactor = DbuFactorMm;
  else if (RadioPINCH->isChecked())
    DbuFactor = DbuFactorPInch;
  else
    DbuFactor = DbuFactorInch;
  ShowDbuRow();
}

void TQuillonMain::ShowDbuRow() {
  DBUEdit->setText(QString::number(DbuFactor * DbuRowScale(), 'g', 15));
}

void TQuillonMain::CustomDbuEdited() {
  if (!RadioCustom->isChecked()) return;
  // The row as typed, "N DBU = value unit", is the factor: choosing "Custom"
  // starts from the one shown, as the row read it.
  bool Ok = false;
  const QString Text = DBUEdit->text().trimmed();
  const double Value = QLocale::c().toDouble(Text, &Ok);
  const double Factor = Value / DbuRowScale();
  if (!Ok || !std::isfinite(Factor) || !(Factor > 0) || Factor > MaxDbuFactor) {
    Prompts.ReportError(tr("\"%1\" is not a database unit: type a positive number with a point "
                           "before the decimals, such as 0.0254; one database unit is at most "
                           "%2 mm. The unit stays %3 mm.")
                            .arg(Text)
                            .arg(MaxDbuFactor)
                            .arg(DbuFactor, 0, 'g', 15));
    ShowDbuRow();
    return;
  }
  CustomDbuFactor = DbuFactor = Factor;
}

void TQuillonMain::FormatActExecute(int Tag) {
  const std::array<std::pair<QAction*, std::uint8_t>, 3> Formats = {{
      {CAM350ScrAct, fmtCam350Macro},
      {GerberAct, fmtGerber},
      {GenesisAct, fmtGenesis},
  }};
  if (Tag < 1 || Tag > 3) return;
  const auto& [Chosen, Format] = Formats[static_cast<std::size_t>(Tag - 1)];
  Chosen->setChecked(true);
  for (const auto& Entry : Formats)
    if (Entry.first != Chosen) Entry.first->setChecked(false);
  OutputFormat = Format;
  ShowFormat();
}

void TQuillonMain::MakeActExecute(QAction* Entry) {
  if (Entry) Entry->toggle();
}

void TQuillonMain::DropOutput() {
  ForgetCheck();
  OutputSheet->SetFiles({});
  TConversionState::Take(*Board);
  OutputPlot.clear();
  OutputIncomplete.clear();
  OutputCutShort.clear();
  OutputRolesNote.clear();
  RolesWarning->Clear();
  LastSaveName.clear();
  ShowOutputFiles();
  UpdateSaveActions();
}

void TQuillonMain::WarnIncomplete(bool& Warned) {
  if (IncompleteNote.isEmpty() || Warned) return;
  Warned = true;
  Prompts.NotifyUser(tr("%1 was not read to its end (%2): the output lacks what follows.")
                         .arg(QFileInfo(PlotDialog.FileName).fileName(), IncompleteNote)
                         .toStdString());
}

QString TQuillonMain::UnchosenRolesNote(std::uint8_t Format) const {
  // Every format places pads on the two copper layers and holes on the drill
  // layer, CAM350 and Gerber also use the masks (a Genesis script does not);
  // a role no layer was chosen for takes the first layer.
  const std::array<std::pair<const QComboBox*, TLayerRole>, 5> Needed = {{
      {AperTopCB, TLayerRole::PadTop},
      {AperBotCB, TLayerRole::PadBottom},
      {AperMskTopCB, TLayerRole::MaskTop},
      {AperMskBotCB, TLayerRole::MaskBottom},
      {DrlCB, TLayerRole::Drill},
  }};
  QStringList Unchosen;
  for (const auto& [List, Role] : Needed) {
    const bool Mask = Role == TLayerRole::MaskTop || Role == TLayerRole::MaskBottom;
    if (List->currentIndex() < 0 && !(Mask && Format == fmtGenesis))
      Unchosen.append(RoleName(Role));
  }
  if (Unchosen.isEmpty()) return QString();
  return tr("No layer is chosen for %1 (Plt page): layer %2 was taken.")
      .arg(Unchosen.join(QStringLiteral(", ")), LayerLabel(0));
}

void TQuillonMain::ConvertActionExecute() {
  if (Busy() || Board->Layers.Count() == 0) return;
  WarnIncomplete(WarnedIncompleteConvert);
  const QString RolesNote = UnchosenRolesNote(OutputFormat);
  RolesWarning->Clear();
  // The view reads the lines the worker rebuilds: it lets go of them first.
  OutputSheet->SetFiles({});
  TConversionState Saved = TConversionState::Take(*Board);
  const std::uint8_t Format = OutputFormat;
  bool Converted = false;
  Prompts.BeginConversion();
  Guarded([&] {
    try {
      Converted = ConvertOnWorker(Format);
    } catch (...) {
      Prompts.EndConversion();
      Saved.Restore(*Board);
      throw;
    }
    Prompts.EndConversion();
    if (!Converted) {
      Saved.Restore(*Board);
      StatusText->setText(tr("Conversion cancelled"));
    }
  });
  // An error was reported: the last step's text must not stay.
  if (!Converted && StatusText->text() != tr("Conversion cancelled"))
    StatusText->setText(tr("Conversion stopped"));
  if (Converted) {
    ConvertedFormat = Format;
    ConvertedItems = ConvertingItems;
    OutputPlot = PlotDialog.FileName;
    OutputIncomplete = IncompleteNote;
    OutputCutShort.clear();
    OutputRolesNote = RolesNote;
    RolesWarning->Show(RolesNote);
    CutShortConfirmed = false;
    if (const std::optional<int> Layer = Prompts.CancelledOnLayer())
      OutputCutShort =
          tr("pads cut short on layer %1 by Cancel")
              .arg(*Layer >= 0 && *Layer < Board->Layers.Count() ? LayerLabel(*Layer)
                                                                 : QString::number(*Layer));
    ShowOutput();
  } else {
    ShowOutputFiles();
    UpdateSaveActions();
  }
}

bool TQuillonMain::ConvertOnWorker(std::uint8_t Format) {
  MPageControl->setCurrentWidget(OutputSheet);
  StoreLayerChoice(AperTopCB, Board->PadTopLayer);
  StoreLayerChoice(AperBotCB, Board->PadBottomLayer);
  StoreLayerChoice(AperMskTopCB, Board->MaskTopLayer);
  StoreLayerChoice(AperMskBotCB, Board->MaskBottomLayer);
  StoreLayerChoice(DrlCB, Board->DrillLayer);
  Board->Title = "Plt FileName: " + ToCp1251(PlotDialog.FileName);
  std::uint8_t Options = 0;
  if (MakePadsAct->isChecked()) Options |= coPads;
  if (MakeLinesAct->isChecked()) Options |= coLines;
  if (MakeArcsAct->isChecked()) Options |= coArcs;
  if (MakeTextAct->isChecked()) Options |= coText;
  if (MakePolyAct->isChecked()) Options |= coPolygons;
  ConvertingItems = Options;
  Board->AddViewCommands = AddViewCommands->isChecked();
  Board->GerberProfile = GerberProfile;
  Board->ExcellonDrill = ExcellonDrill;
  Board->GenesisHost = GenesisHost;
  Board->GenesisJob = GenesisJob.toStdString();
  if (!genesis::IsJobName(Board->GenesisJob)) Board->GenesisJob = SuggestedJobName().toStdString();
  Board->GenesisMatrix = GenesisMatrix;
  StorePackageChoice(SilkTopCB, Board->SilkTopLayer);
  StorePackageChoice(SilkBotCB, Board->SilkBottomLayer);
  StorePackageChoice(OutlineCB, Board->OutlineLayer);
  Board->OutlineFromExtents = OutlineFromExtentsBox->isChecked();
  Board->FabNames = FabNames;
  Board->ProjectName = ToCp1251(QFileInfo(PlotDialog.FileName).completeBaseName());
  Board->CreationDate = fab::CreationDateNow();  // SOURCE_DATE_EPOCH fixes it
  return Runner->Run([&] { Board->Convert(Options, Format, DbuFactor); });
}

void TQuillonMain::ShowOutput() {
  ForgetCheck();  // of the output before
  QString Status =
      tr("%1 lines from %2").arg(Board->Output.Count()).arg(QFileInfo(OutputPlot).fileName());
  if (!OutputCutShort.isEmpty()) Status += QStringLiteral(" \u2014 ") + OutputCutShort;
  StatusText->setText(Status);
  UpdateSaveActions();

  SaveDialog.FileName = SuggestedSaveName(PlotDialog.FileName, ConvertedFormat);
  SaveDialog.DefaultExt = FormatSuffix(ConvertedFormat);
  SaveDialog.Title = SaveTitle(ConvertedFormat);
  SaveDialog.Filter = SaveFilter(ConvertedFormat, Board->FabPackageMade);
  // Without a plot file there is no folder to suggest; the last one stays.
  if (!PlotDialog.FileName.isEmpty())
    SaveDialog.InitialDir = QFileInfo(PlotDialog.FileName).absolutePath();
  // A new output is saved under a name of its own first.
  LastSaveName.clear();
  ShowOutputFiles();
}

QString TQuillonMain::SuggestedSaveName(const QString& PlotFile, std::uint8_t Format) {
  if (PlotFile.isEmpty()) return QString();
  QString Name = QFileInfo(PlotFile).fileName();
  const qsizetype Dot = Name.lastIndexOf(u'.');
  if (Dot >= 0) Name.truncate(Dot);
  // A Gerber conversion's main file is a CAM350 text macro beside its layer files.
  if (Format == fmtGenesis) return Name + QStringLiteral(".csh");
  return Name + QStringLiteral(".scr");
}

void TQuillonMain::FileSaveAsAccept(const QString& FileName) {
  if (Busy() || Board->Output.Empty()) return;
  WarnIncomplete(WarnedIncompleteSave);
  if (!OutputCutShort.isEmpty() && !CutShortConfirmed) {
    if (!Prompts.Confirm(tr("This output is not whole: %1. Save it anyway?").arg(OutputCutShort))) {
      StatusText->setText(tr("Not saved"));
      return;
    }
    CutShortConfirmed = true;
  }
  Guarded([&] {
    SaveDialog.FileName = FileName;
    const std::string Name = QFile::encodeName(FileName).toStdString();
    Board->InputFiles = {QFile::encodeName(PlotDialog.FileName).toStdString(),
                         QFile::encodeName(PinDialog.FileName).toStdString()};
    // After a fab conversion a ".zip" name is the package as one archive.
    const bool Archive = Board->FabPackageMade && IsZipName(FileName);
    // Saving again under the last name replaces only this output's own files.
    if (!Archive && FileName != LastSaveName && !ConfirmReplacing(Name)) {
      StatusText->setText(tr("Not saved"));
      return;
    }
    StatusText->setText(tr("Saving %1").arg(QFileInfo(FileName).fileName()));
    try {
      Runner->Run([&] {
        if (Archive)
          SaveFabPackageZip(*Board, Name);
        else
          Board->SaveToFile(Name);
      });
    } catch (...) {
      StatusText->setText(tr("%1 was not saved").arg(QFileInfo(FileName).fileName()));
      throw;
    }
    LastSaveName = FileName;
    LastSaveFolder = QFileInfo(FileName).absolutePath();
    if (!Archive) ShowOutputFiles();
    if (!Archive) Board->PrepareSave(Name);
    const auto Count = Archive ? 1 : static_cast<int>(Board->OutputFiles(Name).size());
    StatusText->setText(
        Count == 1 ? tr("Saved %1 in %2").arg(QFileInfo(FileName).fileName(), LastSaveFolder)
                   : tr("Saved %1 files in %2").arg(Count).arg(LastSaveFolder));
    OpenFolderAct->setVisible(true);
  });
}

void TQuillonMain::FileSaveExecute() {
  if (Busy() || Board->Output.Empty()) return;
  if (LastSaveName.isEmpty()) {
    FileSaveAs->trigger();
    return;
  }
  FileSaveAsAccept(LastSaveName);
}

}  // namespace quillon::app
