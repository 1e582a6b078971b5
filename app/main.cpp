// quillon: the desktop window.

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QTimer>
#include <clocale>

#include "app/QuillonMain.h"
#include "app/SignalCloser.h"

int main(int argc, char** argv) {
  // Numbers are shown and read with "." whatever the user's locale.
  QLocale::setDefault(QLocale::c());
  QApplication App(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Quillon"));
  QApplication::setApplicationDisplayName(QStringLiteral("Quillon"));

  QCommandLineParser Arguments;
  Arguments.setApplicationDescription(
      QCoreApplication::translate("main", "Converts plot files into CAM macros and scripts."));
  Arguments.addHelpOption();
  Arguments.addPositionalArgument(QStringLiteral("plot"),
                                  QCoreApplication::translate("main", "The plot file to open."),
                                  QStringLiteral("[FILE.plt]"));
  Arguments.addPositionalArgument(
      QStringLiteral("description"),
      QCoreApplication::translate("main", "The pin description to open with it."),
      QStringLiteral("[DESCRIPTION]"));
  Arguments.process(App);

  quillon::app::TQuillonMain Window;
  quillon::app::TSignalCloser Closer(&Window);
  Window.show();
  // Opened once the window shows, so that a big file's progress is seen.
  const QStringList Files = Arguments.positionalArguments();
  QTimer::singleShot(0, &Window, [&Window, Files] { Window.OpenCommandLine(Files); });
  return App.exec();
}
