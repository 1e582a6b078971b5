// SPDX-License-Identifier: MIT
// The files of the output as the Output page lists them and a save writes
// them: one list, computed from the name the save would use.

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/Cp1251.h"
#include "app/OutputCheck.h"
#include "app/OutputView.h"
#include "app/QuillonMain.h"
#include "app/RoleNames.h"
#include "script/LayerRoles.h"
#include "script/fab/FabFunctions.h"

namespace quillon::app {

namespace {

QString Latin(std::string_view Text) {
  return QString::fromLatin1(Text.data(), static_cast<qsizetype>(Text.size()));
}

}  // namespace

QString TQuillonMain::OutputFileRole(const TOutputFile& File) const {
  const bool Fab = Board->FabPackageMade;
  switch (File.Role) {
    case TOutputRole::Main:
      if (ConvertedFormat == fmtGenesis) return tr("Genesis script");
      if (ConvertedFormat == fmtGerber) return tr("CAM350 text macro");
      return tr("CAM350 macro");
    case TOutputRole::Layer:
      return Fab ? Latin(fab::FileFunction(FabRoleOf(*Board, File.Layer)))
                 : RoleName(RoleOf(*Board, File.Layer));
    case TOutputRole::Drill:
      return Fab ? Latin(fab::DrillFileFunction(true)) : RoleName(TLayerRole::Drill);
    case TOutputRole::NonPlatedDrill:
      return Latin(fab::DrillFileFunction(false));
    case TOutputRole::Outline:
      return Latin(fab::FileFunction(TLayerRole::Outline));
    case TOutputRole::Job:
      return tr("job file");
    case TOutputRole::Zip:
      return tr("zip archive");
  }
  return QString();
}

QString TQuillonMain::SaveTarget() const {
  if (!LastSaveName.isEmpty()) return LastSaveName;
  if (QFileInfo(SaveDialog.FileName).isAbsolute()) return SaveDialog.FileName;
  return QDir(SaveDialog.InitialDir).filePath(SaveDialog.FileName);
}

void TQuillonMain::ShowOutputFiles() {
  std::vector<TOutputFileRow> Rows;
  std::vector<TOutputFile> Files;
  if (!Board->Output.Empty()) {
    const std::string Target = QFile::encodeName(SaveTarget()).toStdString();
    Board->PrepareSave(Target);  // the job file names the files of this save
    Files = Board->OutputFiles(Target);
    for (const TOutputFile& File : Files)
      Rows.push_back({QFileInfo(QFile::decodeName(File.Path.c_str())).fileName(),
                      OutputFileRole(File), File.Lines, FileBytes(File)});
  }
  OutputSheet->SetFiles(std::move(Rows));
  ShowCheckColumns(OutputSheet->FileList(), Files, CheckOutcome.get());
  OutputSheet->SetNote(OutputNote());
}

QString TQuillonMain::OutputNote() const {
  if (Board->Output.Empty()) return QString();
  QStringList Notes;
  if (!OutputIncomplete.isEmpty())
    Notes.append(
        tr("From %1, which is %2.").arg(QFileInfo(OutputPlot).fileName(), OutputIncomplete));
  if (!OutputRolesNote.isEmpty()) Notes.append(OutputRolesNote);
  if (!OutputCutShort.isEmpty())
    Notes.append(tr("The output is not whole: %1.").arg(OutputCutShort));
  return Notes.join(u' ');
}

bool TQuillonMain::ConfirmReplacing(const std::string& FileName) {
  QStringList Existing;
  Board->PrepareSave(FileName);
  for (const TOutputFile& File : Board->OutputFiles(FileName)) {
    const QString Path = QFile::decodeName(File.Path.c_str());
    if (File.Path != FileName && QFileInfo::exists(Path))
      Existing.append(QFileInfo(Path).fileName());
  }
  if (Existing.isEmpty()) return true;
  const QFileInfo Named(QFile::decodeName(FileName.c_str()));
  return Prompts.Confirm(
      tr("Saving %1 also replaces these files of an earlier save in %2:\n\n%3\n\nReplace them?")
          .arg(Named.fileName(), Named.absolutePath(), Existing.join(u'\n')));
}

}  // namespace quillon::app
