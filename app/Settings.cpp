// SPDX-License-Identifier: MIT
#include "app/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QRadioButton>
#include <QStandardPaths>
#include <array>
#include <optional>

#include "app/IniFile.h"
#include "app/QuillonMain.h"

namespace quillon::app {

QString SettingsFileName(const QString& ExeFolder, const QString& ConfigFolder) {
  const QString Beside = ExeFolder + QStringLiteral("/quillon.ini");
  if (ConfigFolder.isEmpty() || QFileInfo::exists(Beside) || QFileInfo(ExeFolder).isWritable())
    return Beside;
  return ConfigFolder + QStringLiteral("/quillon/quillon.ini");
}

QString SettingsFileName() {
  return SettingsFileName(TQuillonMain::ExeDir(),
                          QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
}

namespace {

const QString Main = QStringLiteral("Main");
const QString Output = QStringLiteral("Output");
const QString ToolBarSection = QStringLiteral("ToolBar");
const QString RecentSection = QStringLiteral("Recent");

QString RecentKey(int I) { return QStringLiteral("File") + QString::number(I + 1); }

// The keys of the package roles' layers, in the order of PackageRoles.
const std::array<QString, 3> PackageLayerKeys = {QStringLiteral("Silk_Top_Layer"),
                                                 QStringLiteral("Silk_Bottom_Layer"),
                                                 QStringLiteral("Outline_Layer")};

QString FormatName(std::uint8_t Format) {
  switch (Format) {
    case fmtCam350Macro:
      return QStringLiteral("Macro");
    case fmtGerber:
      return QStringLiteral("Gerber");
    case fmtGenesis:
      return QStringLiteral("Genesis");
    default:
      return QString();
  }
}

}  // namespace

QString TQuillonMain::UnitsName(const QRadioButton* Radio) const {
  if (Radio == RadioMM) return QStringLiteral("MM");
  if (Radio == RadioPINCH) return QStringLiteral("PInch");
  if (Radio == RadioCustom) return QStringLiteral("Custom");
  return QStringLiteral("Inch");
}

void TQuillonMain::LoadSettings(const QString& FileName) {
  const TIniFile Ini(FileName);
  // The first run starts in the user's home folder, not among the program's files.
  PinDialog.InitialDir = Ini.ReadString(Main, QStringLiteral("Initial_Dir"), QDir::homePath());
  PlotDialog.InitialDir = PinDialog.InitialDir;
  SaveDialog.InitialDir = PinDialog.InitialDir;

  const QString Format = Ini.ReadString(Output, QStringLiteral("Format"), QStringLiteral("Macro"));
  if (Format.compare(QStringLiteral("GERBER"), Qt::CaseInsensitive) == 0)
    FormatActExecute(2);
  else if (Format.compare(QStringLiteral("MACRO"), Qt::CaseInsensitive) == 0)
    FormatActExecute(1);
  else if (Format.compare(QStringLiteral("GENESIS"), Qt::CaseInsensitive) == 0)
    FormatActExecute(3);

  MakePadsAct->setChecked(Ini.ReadBool(Output, QStringLiteral("Pads"), true));
  MakeLinesAct->setChecked(Ini.ReadBool(Output, QStringLiteral("Lines"), true));
  MakeArcsAct->setChecked(Ini.ReadBool(Output, QStringLiteral("Arcs"), true));
  MakeTextAct->setChecked(Ini.ReadBool(Output, QStringLiteral("Text"), true));
  MakePolyAct->setChecked(Ini.ReadBool(Output, QStringLiteral("Poly"), true));
  AddViewCommands->setChecked(Ini.ReadBool(Output, QStringLiteral("View_Commands"), true));
  const QString Profile = Ini.ReadString(Output, QStringLiteral("Gerber_Profile"), QString());
  GerberProfile = Profile.compare(QStringLiteral("FAB"), Qt::CaseInsensitive) == 0
                      ? TGerberProfile::Fab
                      : TGerberProfile::Legacy;
  ExcellonDrill = Ini.ReadBool(Output, QStringLiteral("Excellon"), false);
  GenesisHost = Ini.ReadString(Output, QStringLiteral("Genesis_Host"), QString())
                            .compare(QStringLiteral("UNIX"), Qt::CaseInsensitive) == 0
                    ? TGenesisHost::Unix
                    : TGenesisHost::Windows;
  FabNames = Ini.ReadString(Output, QStringLiteral("Fab_Names"), QString())
                         .compare(QStringLiteral("INDEXED"), Qt::CaseInsensitive) == 0
                 ? TFabNames::Indexed
                 : TFabNames::Protel;
  OutlineFromExtentsBox->setChecked(
      Ini.ReadBool(Output, QStringLiteral("Outline_From_Extents"), false));
  // The units: a custom factor that is not a usable one is not taken.
  if (const std::optional<double> Custom = ParseDbuFactor(
          Ini.ReadString(Output, QStringLiteral("Custom_Dbu"), QString()).toStdString()))
    CustomDbuFactor = *Custom;
  const QString Units = Ini.ReadString(Output, QStringLiteral("Units"), QString());
  // "Custom" takes the factor the row shows when it is chosen.
  DbuFactor = CustomDbuFactor;
  ShowDbuRow();
  for (QRadioButton* Radio : {RadioMM, RadioInch, RadioPINCH, RadioCustom})
    if (Units.compare(UnitsName(Radio), Qt::CaseInsensitive) == 0) Radio->setChecked(true);
  for (std::size_t R = 0; R < PackageLayerKeys.size(); ++R)
    PackageLayerNames[R] = Ini.Value(Output, PackageLayerKeys[R]);

  for (qsizetype I = 0; I < ToolBarOrder.size(); ++I)
    ToolBarShown[I] = Ini.ReadBool(ToolBarSection, ToolBarOrder[I]->objectName(), true);
  RebuildToolBar();
  Recent.clear();
  for (int I = 0; I < RecentFileCount; ++I) {
    const QString File = Ini.ReadString(RecentSection, RecentKey(I), QString());
    if (!File.isEmpty() && !Recent.contains(File)) Recent.append(File);
  }
  RebuildRecentMenu();
  ShowFormat();
}

void TQuillonMain::SaveSettings(const QString& FileName) {
  TIniFile Ini(FileName);
  Ini.WriteString(Main, QStringLiteral("Initial_Dir"), SaveDialog.InitialDir);
  Ini.WriteString(Output, QStringLiteral("Format"), FormatName(OutputFormat));
  Ini.WriteBool(Output, QStringLiteral("Pads"), MakePadsAct->isChecked());
  Ini.WriteBool(Output, QStringLiteral("Lines"), MakeLinesAct->isChecked());
  Ini.WriteBool(Output, QStringLiteral("Arcs"), MakeArcsAct->isChecked());
  Ini.WriteBool(Output, QStringLiteral("Text"), MakeTextAct->isChecked());
  Ini.WriteBool(Output, QStringLiteral("Poly"), MakePolyAct->isChecked());
  Ini.WriteBool(Output, QStringLiteral("View_Commands"), AddViewCommands->isChecked());
  Ini.WriteString(
      Output, QStringLiteral("Gerber_Profile"),
      GerberProfile == TGerberProfile::Fab ? QStringLiteral("Fab") : QStringLiteral("Legacy"));
  Ini.WriteBool(Output, QStringLiteral("Excellon"), ExcellonDrill);
  Ini.WriteString(
      Output, QStringLiteral("Genesis_Host"),
      GenesisHost == TGenesisHost::Unix ? QStringLiteral("Unix") : QStringLiteral("Windows"));
  Ini.WriteString(
      Output, QStringLiteral("Fab_Names"),
      FabNames == TFabNames::Indexed ? QStringLiteral("Indexed") : QStringLiteral("Protel"));
  Ini.WriteBool(Output, QStringLiteral("Outline_From_Extents"), OutlineFromExtentsBox->isChecked());
  for (QRadioButton* Radio : {RadioMM, RadioInch, RadioPINCH, RadioCustom})
    if (Radio->isChecked()) Ini.WriteString(Output, QStringLiteral("Units"), UnitsName(Radio));
  Ini.WriteString(Output, QStringLiteral("Custom_Dbu"), QString::number(CustomDbuFactor, 'g', 15));
  // Only a choice made by hand is kept; an empty value is "none".
  for (std::size_t R = 0; R < PackageLayerKeys.size(); ++R)
    if (PackageLayerNames[R]) Ini.WriteString(Output, PackageLayerKeys[R], *PackageLayerNames[R]);

  for (qsizetype I = 0; I < ToolBarOrder.size(); ++I)
    Ini.WriteBool(ToolBarSection, ToolBarOrder[I]->objectName(), ToolBarShown[I]);
  for (int I = 0; I < RecentFileCount; ++I)
    Ini.WriteString(RecentSection, RecentKey(I), I < Recent.size() ? Recent[I] : QString());
}

}  // namespace quillon::app
