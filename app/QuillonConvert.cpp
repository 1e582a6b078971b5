// The conversion: units, format, item switches, Convert and Save As.

#include <QAction>
#include <QComboBox>
#include <QDateTime>
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
#include <stdexcept>

#include "app/Cp1251.h"
#include "app/QuillonMain.h"
#include "script/LayerRoles.h"

namespace quillon::app {

namespace {

// What the entries of DBUCombo stand for.
constexpr std::array<double, 4> DbuCounts = {1, 25, 50, 100};

// A decimal number with "." as separator, whatever the user's locale.
double ReadDecimal(const QString& Text) {
  bool Ok = false;
  const double Value = QLocale::c().toDouble(Text.trimmed(), &Ok);
  if (!Ok || !std::isfinite(Value))
    throw std::runtime_error("'" + Text.toStdString() + "' is not a valid floating point value");
  return Value;
}

// Mapping lists hand their index to a byte field of the board; nothing
// selected leaves the field as an earlier conversion set it.
void StoreLayerChoice(const QComboBox* List, std::uint8_t& Field) {
  const int Index = List->currentIndex();
  if (Index < 0) return;
  if (Index > 255) throw std::runtime_error("Range check error");
  Field = static_cast<std::uint8_t>(Index);
}

}  // namespace

void TQuillonMain::DBUChang() {
  Guarded([&] {
    double Factor = 0.0;
    if (RadioMM->isChecked())
      Factor = DbuFactorMm;
    else if (RadioInch->isChecked())
      Factor = DbuFactorInch;
    else if (RadioPINCH->isChecked())
      Factor = DbuFactorPInch;
    else
      Factor = ReadDecimal(DBUEdit->text());
    DbuFactor = Factor;
    DBUEdit->setEnabled(RadioCustom->isChecked());
    if (RadioCustom->isChecked()) return;
    // Display only: the row reads "N DBU = value unit".
    const int Count = DBUCombo->currentIndex();
    double Shown =
        Factor * DbuCounts[Count >= 0 && Count < 4 ? static_cast<std::size_t>(Count) : 0];
    if (UnitBox->currentIndex() == 1) Shown /= 25.4;
    DBUEdit->setText(QString::number(Shown, 'g', 15));
  });
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
}

void TQuillonMain::MakeActExecute(QAction* Entry) {
  if (Entry) Entry->toggle();
}

void TQuillonMain::ConvertActionExecute() {
  Guarded([&] {
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
    Board->AddViewCommands = AddViewCommands->isChecked();
    Board->GerberProfile = GerberProfile;
    Board->ExcellonDrill = ExcellonDrill;
    // The fab package's extra roles, by the layers' names.
    Board->SilkTopLayer = PreselectLayer(Board->Layers, TLayerRole::SilkTop, 255);
    Board->SilkBottomLayer = PreselectLayer(Board->Layers, TLayerRole::SilkBottom, 255);
    Board->OutlineLayer = PreselectLayer(Board->Layers, TLayerRole::Outline, 255);
    Board->ProjectName = ToCp1251(QFileInfo(PlotDialog.FileName).completeBaseName());
    Board->CreationDate = QDateTime::currentDateTimeUtc()
                              .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss+00:00"))
                              .toStdString();
    Board->Convert(Options, OutputFormat, DbuFactor);

    std::string Text = Board->Output.Join("\n");
    if (!Text.empty()) Text.pop_back();
    MemoLog->setPlainText(FromCp1251(Text));
    StatusText->setText(QStringLiteral("%1 lines").arg(Board->Output.Count()));

    SaveDialog.FileName = SuggestedSaveName(PlotDialog.FileName, OutputFormat);
    // Without a plot file there is no folder to suggest; the last one stays.
    if (!PlotDialog.FileName.isEmpty())
      SaveDialog.InitialDir = QFileInfo(PlotDialog.FileName).absolutePath();
  });
}

QString TQuillonMain::SuggestedSaveName(const QString& PlotFile, std::uint8_t Format) {
  if (PlotFile.isEmpty()) return QString();
  QString Name = QFileInfo(PlotFile).fileName();
  const qsizetype Dot = Name.lastIndexOf(u'.');
  if (Dot >= 0) Name.truncate(Dot);
  if (Format == fmtCam350Macro) return Name + QStringLiteral(".scr");
  if (Format == fmtGerber) return Name + QStringLiteral(".gbr");
  return Name;
}

void TQuillonMain::FileSaveAsAccept(const QString& FileName) {
  Guarded([&] {
    SaveDialog.FileName = FileName;
    Board->SaveToFile(QFile::encodeName(FileName).toStdString());
    StatusText->setText(QStringLiteral("Saved %1").arg(QFileInfo(FileName).fileName()));
  });
}

}  // namespace quillon::app
