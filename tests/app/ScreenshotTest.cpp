// SPDX-License-Identifier: MIT
// Renders the window on each page, and its dialogs, to PNG files under the
// build folder (app-screens/) so that a reviewer can look at them.

#include <QDir>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "AppTestSupport.h"
#include "app/AboutBox.h"
#include "app/OptFormUnit.h"

namespace quillon::test {
namespace {

TEST_F(WindowTest, RendersEveryPageToAPicture) {
  const QString Folder = QString(QUILLON_BINARY_DIR) + "/app-screens";
  ASSERT_TRUE(QDir().mkpath(Folder));
  const std::string Plot = SourcePath("examples/demo.plt");
  const std::string Pins = SourcePath("examples/demo-pins.txt");
  Boxes->Otherwise = "Yes to All";
  Window->resize(860, 620);
  Window->show();
  Window->FileOpenAccept(QString::fromStdString(Plot));
  Window->PinFileOpenAccept(QString::fromStdString(Pins));
  Window->ReadPinBtnClick();
  Window->ConvertActionExecute();
  const char* Names[] = {"pins", "plt", "layers", "output"};
  for (int Page = 0; Page < Window->MPageControl->count(); ++Page) {
    Window->MPageControl->setCurrentIndex(Page);
    const QString File = Folder + "/main-" + Names[Page] + ".png";
    EXPECT_TRUE(Window->grab().save(File)) << File.toStdString();
  }
  Window->OptDlg->SetMode(false);
  for (QDialog* Dialog :
       {static_cast<QDialog*>(Window->OptDlg), static_cast<QDialog*>(Window->AboutBox)}) {
    Dialog->show();
    const QString File = Folder + (Dialog == Window->OptDlg ? "/options.png" : "/about.png");
    EXPECT_TRUE(Dialog->grab().save(File)) << File.toStdString();
    Dialog->hide();
  }
}

}  // namespace
}  // namespace quillon::test
