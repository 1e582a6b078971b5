// SPDX-License-Identifier: MIT
// quillon: the desktop window.

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>

#include "app/QuillonMain.h"
#include "app/SignalCloser.h"
#include "app/Translation.h"

namespace {

// The language the user asked for with --lang, else the system's. An unknown
// name is an error rather than a silent fall-back to English.
QString ChosenLanguage(const QCommandLineParser& Parser, const QCommandLineOption& Lang) {
  if (!Parser.isSet(Lang)) return quillon::app::LanguageOfLocale(QLocale::system());
  const QString Asked = Parser.value(Lang).toLower();
  if (quillon::app::WindowLanguages().contains(Asked)) return Asked;
  std::fprintf(stderr, "quillon: --lang takes %s, not \"%s\"\n",
               qPrintable(quillon::app::WindowLanguages().join(QStringLiteral(" or "))),
               qPrintable(Parser.value(Lang)));
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  // Numbers are shown and read with "." whatever the user's locale.
  QLocale::setDefault(QLocale::c());
  QApplication App(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("Quillon"));
  QApplication::setApplicationDisplayName(QStringLiteral("Quillon"));
  QApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION_TEXT));
  // The desktop ties the window to its entry (icon, name) by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quillon.Quillon"));

  QCommandLineParser Parser;
  Parser.setApplicationDescription(
      QStringLiteral("Converts plot files into CAM350 macros, Genesis scripts and Gerber files."));
  Parser.addHelpOption();
  Parser.addVersionOption();
  const QCommandLineOption Lang(QStringLiteral("lang"),
                                QStringLiteral("Language of the window: en or ru (default: the "
                                               "system's)."),
                                QStringLiteral("language"));
  Parser.addOption(Lang);
  Parser.addPositionalArgument(QStringLiteral("plot"), QStringLiteral("The plot file to open."),
                               QStringLiteral("[FILE.plt]"));
  Parser.addPositionalArgument(QStringLiteral("description"),
                               QStringLiteral("The pin description to open with it."),
                               QStringLiteral("[DESCRIPTION]"));
  Parser.process(App);

  // Kept alive for the whole run: the application only borrows them.
  std::unique_ptr<QTranslator> WindowTexts, QtTexts;
  const QString Language = ChosenLanguage(Parser, Lang);
  try {
    WindowTexts =
        quillon::app::LoadWindowTranslation(Language, QCoreApplication::applicationDirPath());
    if (WindowTexts) QtTexts = quillon::app::LoadQtTranslation(Language);
  } catch (const std::exception& E) {
    std::fprintf(stderr, "quillon: %s; the window stays English\n", E.what());
  }
  for (QTranslator* Texts : {QtTexts.get(), WindowTexts.get()})
    if (Texts) QCoreApplication::installTranslator(Texts);


  quillon::app::TQuillonMain Window;
  quillon::app::TSignalCloser Closer(&Window);
  Window.show();
  // Opened once the window shows, so that a big file's progress is seen.
  const QStringList Files = Parser.positionalArguments();
  QTimer::singleShot(0, &Window, [&Window, Files] { Window.OpenCommandLine(Files); });
  return App.exec();
}
