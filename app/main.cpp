// quillon: the desktop window.

#include <QApplication>
#include <QLocale>
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

  quillon::app::TQuillonMain Window;
  quillon::app::TSignalCloser Closer(&Window);
  Window.show();
  return App.exec();
}
