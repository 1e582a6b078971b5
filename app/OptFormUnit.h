// SPDX-License-Identifier: MIT
#pragma once
// The options dialog: two pages, and OK, Cancel and Apply. The
// "Conversaton" page holds the form of the Gerber files (the legacy files or
// the fab profile, with or without an Excellon drill file, and how the fab
// files are named).

#include <QCoreApplication>
#include <QDialog>

#include "script/ScriptPcb.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace quillon::app {

class TOptDlg : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TOptDlg)

 public:
  explicit TOptDlg(QWidget* Parent = nullptr);

  // True: Cancel and Apply disabled and no title-bar buttons, so the dialog
  // can only be left with OK. False: Cancel enabled, Apply disabled, the
  // title bar's buttons shown.
  void SetMode(bool Flag);

  void OKBtnClick();
  void ApplyBtnClick();
  void CancelBtnClick();
  // Escape and the title bar go through Cancel: nothing while it is disabled.
  void reject() override;

  QTabWidget* PageControl;
  QWidget* ConversatonPage;
  QWidget* OptimizationPage;
  QPushButton* OKBtn;
  QPushButton* CancelBtn;
  QPushButton* ApplyBtn;

  // The Gerber choices last applied (by Apply or OK); Cancel brings the
  // controls back to them.
  TGerberProfile GerberProfile = TGerberProfile::Legacy;
  bool ExcellonDrill = false;
  TGenesisHost GenesisHost = TGenesisHost::Windows;  // set before SetGerberChoices
  TFabNames FabNames = TFabNames::Protel;            // set before SetGerberChoices
  // Sets both the applied choices and the controls.
  void SetGerberChoices(TGerberProfile Profile, bool Excellon);

  QComboBox* GerberProfileBox;  // "Legacy", "Fab"
  QCheckBox* ExcellonBox;       // "Excellon drill file", only with "Fab"
  QComboBox* GenesisHostBox;    // "Windows", "Unix"
  QComboBox* FabNamesBox;       // "Protel", "Indexed", only with "Fab"

  // The Genesis job (empty: the suggestion, the plot's name) and how its
  // matrix types the layers, as last applied.
  QString GenesisJob;
  TGenesisMatrix GenesisMatrix = TGenesisMatrix::Document;
  void SetGenesisChoices(const QString& Job, const QString& Suggested, TGenesisMatrix Matrix);
  QLineEdit* GenesisJobEdit;
  QComboBox* GenesisMatrixBox;  // "Documents", "By role"

 private:
  void ShowGerberChoices();
  void GerberChoiceChanged();
};

}  // namespace quillon::app
