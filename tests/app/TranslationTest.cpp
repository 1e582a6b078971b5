// SPDX-License-Identifier: MIT
// The window in Russian: which translation is chosen, where it is found, and
// that every caption of the menus and the Pins page went through it.

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTranslator>
#include <stdexcept>

#include "AppTestSupport.h"
#include "app/Translation.h"

namespace quillon::test {
namespace {

using app::LoadWindowTranslation;

// The compiled translation lands beside the window in the build folder.
const QString BuildFolder = QStringLiteral(QUILLON_BINARY_DIR);

bool HasCyrillic(const QString& Text) {
  static const QRegularExpression Cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
  return Text.contains(Cyrillic);
}

// Every entry of a menu and its submenus, separators left out.
void CollectEntries(const QMenu* Menu, QList<const QAction*>& Entries) {
  for (const QAction* A : Menu->actions()) {
    if (A->isSeparator()) continue;
    Entries.append(A);
    if (A->menu()) CollectEntries(A->menu(), Entries);
  }
}

class RussianWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    Russian = LoadWindowTranslation(QStringLiteral("ru"), BuildFolder);
    ASSERT_NE(Russian, nullptr);
    QCoreApplication::installTranslator(Russian.get());
    WindowTest::SetUp();
  }
  void TearDown() override {
    WindowTest::TearDown();
    QCoreApplication::removeTranslator(Russian.get());
  }
  std::unique_ptr<QTranslator> Russian;
};

TEST_F(RussianWindowTest, MenusAndPinsPageSpeakRussian) {
  QStringList Titles;
  for (const QAction* A : Window->menuBar()->actions()) Titles.append(A->text());
  EXPECT_EQ(Titles, QStringList({"&Файл", "&Преобразовать", "&Результат", "С&ервис", "&Справка"}));

  QStringList Pages;
  for (int I = 0; I < Window->MPageControl->count(); ++I)
    Pages.append(Window->MPageControl->tabText(I));
  EXPECT_EQ(Pages, QStringList({"Выводы", "Плот", "Слои", "Результат"}));
  EXPECT_EQ(Window->PinMemo->placeholderText(), "Загрузите файл");
  EXPECT_EQ(Window->ReadPinBtn->text(), "Прочитать");
  QStringList Labels;
  for (const QLabel* Label : Window->PinsSheet->findChildren<QLabel*>())
    if (!Label->text().isEmpty()) Labels.append(Label->text());
  EXPECT_EQ(Labels, QStringList({"Отверстие:", "Апертура:"}));
  EXPECT_EQ(Entries(Window->pinFormatCB), QStringList({"Вывод# Отв Апер", "Вывод# Апер Отв"}));
  // The code page buttons keep their names.
  EXPECT_EQ(Window->OEMBtn->text(), "OEM");
}

// A caption left out of tr() or of the translation shows up here as English.
TEST_F(RussianWindowTest, EveryMenuEntryIsTranslatedWithDistinctAccessKeys) {
  // Product and format names stay as they are.
  const QStringList Untranslated{"&Gerber RS274X"};
  for (const QAction* Title : Window->menuBar()->actions()) {
    QList<const QAction*> Entries;
    CollectEntries(Title->menu(), Entries);
    QSet<QChar> Keys;
    for (const QAction* Entry : Entries) {
      const QString Text = Entry->text();
      EXPECT_TRUE(Untranslated.contains(Text) || HasCyrillic(Text)) << Text.toStdString();
      const qsizetype Amp = Text.indexOf(u'&');
      if (Amp < 0 || Entry->parent() == Window->FormatMenu) continue;
      const QChar Key = Text.at(Amp + 1).toLower();
      EXPECT_FALSE(Keys.contains(Key)) << "access key of " << Text.toStdString() << " is taken";
      Keys.insert(Key);
    }
  }
}

// The window's own error messages travel as UTF-8 through the core's text
// path and must arrive as Russian, not as Windows-1251 mojibake.
TEST_F(RussianWindowTest, AMissingUserGuideIsReportedInRussian) {
  // The test program's folder holds no guide, nor does ../share/doc/quillon.
  ASSERT_EQ(app::TQuillonMain::FindUserGuide(app::TQuillonMain::ExeDir()), "");
  Window->HomePageExecute();
  ASSERT_EQ(Boxes->Boxes.size(), 1u);
  EXPECT_TRUE(Boxes->Boxes[0].Text.startsWith(
      "Руководство пользователя quillon-guide.html не установлено рядом с "))
      << Boxes->Boxes[0].Text.toStdString();
}

TEST(WindowLanguage, ComesFromTheLocaleAndEnglishNeedsNoFile) {
  EXPECT_EQ(app::LanguageOfLocale(QLocale(QLocale::Russian, QLocale::Russia)), "ru");
  EXPECT_EQ(app::LanguageOfLocale(QLocale(QLocale::Russian, QLocale::Ukraine)), "ru");
  EXPECT_EQ(app::LanguageOfLocale(QLocale(QLocale::German)), "en");
  EXPECT_EQ(app::LanguageOfLocale(QLocale::c()), "en");
  EXPECT_EQ(LoadWindowTranslation(QStringLiteral("en"), QStringLiteral("/nonexistent")), nullptr);
}

TEST(WindowLanguage, FoundBesideTheProgramOrInItsShareFolder) {
  const QStringList Folders = app::TranslationFolders(QStringLiteral("/opt/q/bin"));
  EXPECT_EQ(Folders, QStringList({"/opt/q/bin", "/opt/q/share/quillon/translations"}));
  TempDir Empty;
  try {
    LoadWindowTranslation(QStringLiteral("ru"), QString::fromStdString(Empty.Path().string()));
    ADD_FAILURE() << "a missing translation was not reported";
  } catch (const std::runtime_error& E) {
    EXPECT_NE(std::string(E.what()).find("quillon_ru.qm"), std::string::npos) << E.what();
    EXPECT_NE(std::string(E.what()).find(Empty.Path().string()), std::string::npos) << E.what();
  }
}

}  // namespace
}  // namespace quillon::test
