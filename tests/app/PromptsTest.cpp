// SPDX-License-Identifier: MIT
// The two user prompts as message boxes, and the Windows-1251 text the
// window shows and reads back.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringDecoder>
#include <algorithm>

#include "AppTestSupport.h"
#include "app/Cp1251.h"
#include "app/GuiPrompts.h"

namespace quillon::test {
namespace {

using app::TGuiPrompts;

TEST(GuiPrompts, AskUserShowsTheQuestionIconAndFiveButtonsInOrder) {
  QStringList Shown;
  int Icon = 0;
  TGuiPrompts::SetBoxHook([&](QMessageBox& Box) -> QAbstractButton* {
    Icon = Box.icon();
    Box.show();
    QApplication::processEvents();
    QList<QAbstractButton*> Buttons = Box.buttons();
    std::sort(Buttons.begin(), Buttons.end(), [](QAbstractButton* A, QAbstractButton* B) {
      return A->mapToGlobal(QPoint()).x() < B->mapToGlobal(QPoint()).x();
    });
    for (QAbstractButton* B : Buttons) Shown.append(B->text().remove(u'&'));
    Box.hide();
    return Buttons.value(3);
  });
  TGuiPrompts Prompts(nullptr);
  EXPECT_EQ(Prompts.AskUser("Via with undefined Pin# (4) found in PLT file!\n\rDo you want?"),
            TAnswer::NoToAll);
  TGuiPrompts::SetBoxHook({});
  EXPECT_EQ(Icon, QMessageBox::Question);
  EXPECT_EQ(Shown, QStringList({"Yes", "No", "Cancel", "No to All", "Yes to All"}));
}

TEST(GuiPrompts, EachButtonGivesItsAnswer) {
  TBoxRecorder Boxes;
  TGuiPrompts Prompts(nullptr);
  Boxes.Answers = {"Yes", "No", "Cancel", "No to All", "Yes to All"};
  EXPECT_EQ(Prompts.AskUser("q"), TAnswer::Yes);
  EXPECT_EQ(Prompts.AskUser("q"), TAnswer::No);
  EXPECT_EQ(Prompts.AskUser("q"), TAnswer::Cancel);
  EXPECT_EQ(Prompts.AskUser("q"), TAnswer::NoToAll);
  EXPECT_EQ(Prompts.AskUser("q"), TAnswer::YesToAll);
  // Closed without a button (Escape, the title bar): Cancel.
  TGuiPrompts::SetBoxHook([](QMessageBox&) -> QAbstractButton* { return nullptr; });
  EXPECT_EQ(Prompts.AskUser("q"), TAnswer::Cancel);
}

TEST(GuiPrompts, NotifyShowsTheTextWithOk) {
  TBoxRecorder Boxes;
  TGuiPrompts Prompts(nullptr);
  Prompts.NotifyUser("\xD0\x9D\xD0\xB5\xD0\xBF\xD1\x80\xD0\xB0\xD0\xB2");  // UTF-8 "Неправ"
  Prompts.NotifyUser("\xCE\xF8\xE8\xE1\xEA\xE0");                          // 1251 "Ошибка"
  ASSERT_EQ(Boxes.Boxes.size(), 2u);
  EXPECT_EQ(Boxes.Boxes[0].Text, QString::fromUtf8("Неправ"));
  EXPECT_EQ(Boxes.Boxes[0].Buttons, QStringList({"OK"}));
  EXPECT_EQ(Boxes.Boxes[1].Text, QString::fromUtf8("Ошибка"));
}

TEST(GuiPrompts, TheCoresLineBreakBecomesOne) {
  EXPECT_EQ(TGuiPrompts::DisplayText("found!\n\rDo you"), "found!\nDo you");
  EXPECT_EQ(TGuiPrompts::DisplayText("a\r\nb\rc"), "a\nb\nc");
}

TEST(Cp1251, EveryByteReadsAsTheCodePageSays) {
  std::string All;
  for (int B = 0; B < 256; ++B) All.push_back(static_cast<char>(B));
  const QString Text = app::FromCp1251(All);
  ASSERT_EQ(Text.size(), 256);
  EXPECT_EQ(Text[0xC0], QChar(0x0410));  // А
  EXPECT_EQ(Text[0xFF], QChar(0x044F));  // я
  EXPECT_EQ(Text[0xA8], QChar(0x0401));  // Ё
  EXPECT_EQ(Text[0xB9], QChar(0x2116));  // №
  EXPECT_EQ(Text[0x88], QChar(0x20AC));  // €
  EXPECT_EQ(Text[0x98], QChar(0x0098));  // unassigned, kept
  EXPECT_EQ(app::ToCp1251(Text), All);
  // Where the toolkit has a codec of its own, both agree on every assigned byte.
  QStringDecoder Codec("windows-1251");
  if (Codec.isValid()) {
    const QString Theirs = Codec.decode(QByteArray(All.data(), 256));
    for (int B = 0; B < 256; ++B) {
      if (B != 0x98) {
        EXPECT_EQ(Text[B], Theirs[B]) << B;
      }
    }
  }
}

TEST(Cp1251, CharactersWithoutAByteBecomeAQuestionMark) {
  EXPECT_EQ(app::ToCp1251(QString::fromUtf8("Ab é ☃ 😀 ж")), "Ab ? ? ? \xE6");
  EXPECT_EQ(app::FromCoreText("plain"), "plain");
  EXPECT_EQ(app::FromCoreText("\xC2\xE5\xF0\xF5"), QString::fromUtf8("Верх"));
}

}  // namespace
}  // namespace quillon::test
