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
  const std::string Body = SelectLayer(1) + LineRecord(10, 100, 100, 900, 100) + SelectLayer(3) +
                           FlashRecord(1, 100, 100) + FlashRecord(2, 900, 100);
  const std::string Plot = WritePlot(
      "demo.plt", PlotBytes({{"COMP", 1}, {"SOLDER", 2}, {"PIN", 3}, {"MSKGTP", 4}}, Body));
  const std::string Pins = Tmp.File("demo-pins.txt");
  WriteFile(Pins, "Pin#  Hole  Aper\r\n0  0.9  1.6\r\n1  1.0  2.0  2\r\n2,3  0.8  1.4\r\n");
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
  Window->OptDlg->adjustSize();
  EXPECT_TRUE(Window->OptDlg->grab().save(Folder + "/options.png"));
  Window->AboutBox->adjustSize();
  EXPECT_TRUE(Window->AboutBox->grab().save(Folder + "/about.png"));
}

}  // namespace
}  // namespace quillon::test
