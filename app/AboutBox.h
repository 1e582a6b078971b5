// SPDX-License-Identifier: MIT
#pragma once
// The about box: product name, version, credits and licence, closed with OK.

#include <QCoreApplication>
#include <QDialog>

class QLabel;
class QPushButton;

namespace quillon::app {

class TAboutBox : public QDialog {
  Q_DECLARE_TR_FUNCTIONS(TAboutBox)

 public:
  explicit TAboutBox(QWidget* Parent = nullptr);

  // The build's four version numbers as "%x.%x.%x.%x".
  static QString VersionText();

  QLabel* ProductName;
  QLabel* Version;
  QLabel* Comments;
  QLabel* Licence;
  QPushButton* OKButton;
};

}  // namespace quillon::app
