// SPDX-License-Identifier: MIT
// The Tools and Help entries: options, customisation, user guide, about box.

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/AboutBox.h"
#include "app/Cp1251.h"
#include "app/CustomizeDialog.h"
#include "app/OptFormUnit.h"
#include "app/QuillonMain.h"
#include "script/genesis/GenesisSyntax.h"

namespace quillon::app {

void TQuillonMain::OptShowActExecute() {
  OptDlg->GenesisHost = GenesisHost;
  OptDlg->FabNames = FabNames;
  OptDlg->SetGerberChoices(GerberProfile, ExcellonDrill);
  OptDlg->SetGenesisChoices(GenesisJob, SuggestedJobName(), GenesisMatrix);
  OptDlg->SetMode(false);
  OptDlg->exec();
  GerberProfile = OptDlg->GerberProfile;
  ExcellonDrill = OptDlg->ExcellonDrill;
  GenesisHost = OptDlg->GenesisHost;
  FabNames = OptDlg->FabNames;
  GenesisJob = OptDlg->GenesisJob;
  GenesisMatrix = OptDlg->GenesisMatrix;
  ShowFormat();
}

QString TQuillonMain::SuggestedJobName() const {
  return QString::fromStdString(
      genesis::JobNameOf(ToCp1251(QFileInfo(PlotDialog.FileName).completeBaseName())));
}

void TQuillonMain::AboutActExecute() { AboutBox->exec(); }

void TQuillonMain::CustomizeActionBarsExecute() {
  TCustomizeDialog Dialog(ToolBarOrder, ToolBarShown, this);
  if (Dialog.exec() != QDialog::Accepted) return;
  ToolBarShown = Dialog.Shown();
  RebuildToolBar();
}

QString TQuillonMain::FindUserGuide(const QString& ExeFolder) {
  const QDir Exe(ExeFolder);
  for (const QString& Candidate :
       {Exe.filePath(QStringLiteral("quillon-guide.html")),
        Exe.filePath(QStringLiteral("../share/doc/quillon/quillon-guide.html"))})
    if (QFileInfo::exists(Candidate)) return QFileInfo(Candidate).absoluteFilePath();
  return QString();
}

void TQuillonMain::HomePageExecute() {
  Guarded([&] {
    const QString Guide = FindUserGuide(ExeDir());
    if (Guide.isEmpty())
      throw std::runtime_error(tr("The user guide quillon-guide.html is not installed beside %1")
                                   .arg(ExeDir())
                                   .toStdString());
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(Guide)))
      throw std::runtime_error(tr("No web browser could open %1").arg(Guide).toStdString());
  });
}

}  // namespace quillon::app
