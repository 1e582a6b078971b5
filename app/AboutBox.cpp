// SPDX-License-Identifier: MIT
#include "app/AboutBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace quillon::app {

QString TAboutBox::VersionText() {
  return QString::asprintf("%x.%x.%x.%x", unsigned{QUILLON_VERSION_MAJOR},
                           unsigned{QUILLON_VERSION_MINOR}, unsigned{QUILLON_VERSION_PATCH},
                           unsigned{QUILLON_VERSION_TWEAK});
}

TAboutBox::TAboutBox(QWidget* Parent) : QDialog(Parent) {
  setWindowTitle(tr("About"));
  ProductName = new QLabel(QStringLiteral("Quillon"));
  QFont Big = ProductName->font();
  Big.setPointSizeF(Big.pointSizeF() * 1.8);
  Big.setBold(true);
  ProductName->setFont(Big);
  Version = new QLabel(tr("Version %1").arg(VersionText()));
  Comments =
      new QLabel(tr("Converts P-CAD 4.5 plot files and pin descriptions into CAM350 macros, "
                    "Genesis scripts and Gerber RS274X files.\n\n"
                    "Written by the Quillon developers."));
  Comments->setWordWrap(true);
  Licence =
      new QLabel(tr("Free software under the MIT licence. Built with Qt (LGPL-3), RE2, "
                    "CLI11, nlohmann-json, libzip and the Hershey fonts: their notices are "
                    "in THIRD-PARTY-NOTICES beside the user guide."));
  Licence->setWordWrap(true);
  OKButton = new QPushButton(tr("OK"));
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  auto* Icon = new QLabel;
  Icon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(48, 48));
  auto* Texts = new QVBoxLayout;
  Texts->addWidget(ProductName);
  Texts->addWidget(Version);
  Texts->addSpacing(8);
  Texts->addWidget(Comments);
  Texts->addSpacing(8);
  Texts->addWidget(Licence);
  auto* Top = new QHBoxLayout;
  Top->addWidget(Icon, 0, Qt::AlignTop);
  Top->addSpacing(12);
  Top->addLayout(Texts, 1);
  auto* Layout = new QVBoxLayout(this);
  Layout->addLayout(Top);
  Layout->addWidget(OKButton, 0, Qt::AlignHCenter);
  Comments->setMinimumWidth(300);
  Layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace quillon::app
