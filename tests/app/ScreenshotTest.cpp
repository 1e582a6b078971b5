// SPDX-License-Identifier: MIT
// Renders the window on each page, and its dialogs, to PNG files under the
// build folder (app-screens/), in English and in Russian, so that a reviewer
// can look at them.

#include <QCoreApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTranslator>

#include "AppTestSupport.h"
#include "app/AboutBox.h"
#include "app/LayersView.h"
#include "app/OptFormUnit.h"
#include "app/Translation.h"

namespace quillon::test {
namespace {

class ScreenshotTest : public WindowTest {
 protected:
  // Every page and the dialogs, as Prefix-main-pins.png ...
  void RenderAll(const QString& Prefix, const QString& YesToAll) {
    const QString Folder = QString(QUILLON_BINARY_DIR) + "/app-screens";
    ASSERT_TRUE(QDir().mkpath(Folder));
    Boxes->Otherwise = YesToAll;
    Window->resize(960, 620);  // every tool bar button in view
    Window->show();
    // Where the work begins: the Plt page's "open a plot" state.
    const QString Start = Folder + "/" + Prefix + "main-start.png";
    EXPECT_TRUE(Window->grab().save(Start)) << Start.toStdString();
    Window->FileOpenAccept(QString::fromStdString(SourcePath("examples/demo.plt")));
    Window->PinFileOpenAccept(QString::fromStdString(SourcePath("examples/demo-pins.txt")));
    Window->FormatActExecute(2);
    Window->ConvertActionExecute();
    const char* Names[] = {"pins", "plt", "layers", "output"};
    for (int Page = 0; Page < Window->MPageControl->count(); ++Page) {
      Window->MPageControl->setCurrentIndex(Page);
      // The board itself, not the "Drawing…" sign it shows first.
      if (Window->MPageControl->currentWidget() == Window->LayersPage())
        Window->LayersView->WaitForPicture();
      const QString File = Folder + "/" + Prefix + "main-" + Names[Page] + ".png";
      EXPECT_TRUE(Window->grab().save(File)) << File.toStdString();
    }
    Window->OptDlg->SetMode(false);
    for (QDialog* Dialog :
         {static_cast<QDialog*>(Window->OptDlg), static_cast<QDialog*>(Window->AboutBox)}) {
      Dialog->show();
      const QString File =
          Folder + "/" + Prefix + (Dialog == Window->OptDlg ? "options.png" : "about.png");
      EXPECT_TRUE(Dialog->grab().save(File)) << File.toStdString();
      Dialog->hide();
    }
  }
};

TEST_F(ScreenshotTest, RendersEveryPageToAPicture) { RenderAll(QString(), "Yes to All"); }

TEST_F(ScreenshotTest, RendersEveryPageInRussian) {
  const std::unique_ptr<QTranslator> Russian =
      app::LoadWindowTranslation(QStringLiteral("ru"), QString(QUILLON_BINARY_DIR));
  ASSERT_NE(Russian, nullptr);
  QCoreApplication::installTranslator(Russian.get());
  Reopen();  // the texts are set as the window is made
  RenderAll(QStringLiteral("ru-"), QString::fromUtf8("Да для всех"));
  Window.reset();
  QCoreApplication::removeTranslator(Russian.get());
}

}  // namespace
}  // namespace quillon::test
