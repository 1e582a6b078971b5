#pragma once
// The options dialog: two pages that hold no settings yet, and OK, Cancel
// and Apply.

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace quillon::app {

class TOptDlg : public QDialog {
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
};

}  // namespace quillon::app
