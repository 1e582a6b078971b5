// SPDX-License-Identifier: MIT
#include "app/GuiPrompts.h"

#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>
#include <QThread>
#include <array>
#include <tuple>

#include "app/Cp1251.h"
#include "model/Pcb.h"

namespace quillon::app {

namespace {

TGuiPrompts::TBoxHook& BoxHook() {
  static TGuiPrompts::TBoxHook Hook;
  return Hook;
}

void ShowOk(QWidget* Parent, QMessageBox::Icon Icon, const QString& Text,
            const std::function<QAbstractButton*(QMessageBox&)>& Run) {
  QMessageBox Box(Icon, QStringLiteral("Quillon"), Text, QMessageBox::Ok, Parent);
  Run(Box);
}

}  // namespace

void TGuiPrompts::SetBoxHook(TBoxHook Hook) { BoxHook() = std::move(Hook); }

QString TGuiPrompts::DisplayText(std::string_view Text) {
  QString Display = FromCoreText(Text);
  Display.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  Display.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  Display.replace(u'\r', u'\n');
  return Display;
}

QAbstractButton* TGuiPrompts::Run(QMessageBox& Box) {
  if (BoxHook()) return BoxHook()(Box);
  Box.exec();
  return Box.clickedButton();
}

bool TGuiPrompts::OnWindowThread(const std::function<void()>& Ask) {
  if (!Parent || QThread::currentThread() == Parent->thread()) return false;
  // The worker waits while the window's thread asks: boxes stay modal,
  // come one at a time and in the order the core asks them.
  QMetaObject::invokeMethod(Parent, Ask, Qt::BlockingQueuedConnection);
  return true;
}

void TGuiPrompts::NotifyUser(std::string_view Text) {
  if (OnWindowThread([&] { NotifyUser(Text); })) return;
  ShowOk(Parent, QMessageBox::Information, DisplayText(Text),
         [this](QMessageBox& Box) { return Run(Box); });
}

void TGuiPrompts::ReportError(const QString& Text) {
  ShowOk(Parent, QMessageBox::Critical, Text, [this](QMessageBox& Box) { return Run(Box); });
}

bool TGuiPrompts::Confirm(const QString& Text) {
  QMessageBox Box(QMessageBox::Question, QStringLiteral("Quillon"), Text, QMessageBox::NoButton,
                  Parent);
  QPushButton* Yes = Box.addButton(tr("&Yes"), QMessageBox::YesRole);
  QPushButton* No = Box.addButton(tr("&No"), QMessageBox::NoRole);
  Box.setDefaultButton(No);
  Box.setEscapeButton(No);
  return Run(Box) == Yes;
}

void TGuiPrompts::PinQuestionAt(std::int32_t PinRow, int Layer, const TPcbFlash* Flash) {
  PlaceRow = PinRow;
  PlaceLayer = Layer;
  PlaceXY.reset();
  if (Flash) PlaceXY = {Flash->X, Flash->Y};
}

void TGuiPrompts::BeginConversion() {
  InConversion = true;
  HeldAnswer.reset();
  CancelLayer.reset();
  PlaceRow = PlaceLayer = -1;
  PlaceXY.reset();
}

TAnswer TGuiPrompts::AskUser(std::string_view Text) {
  if (InConversion && HeldAnswer) return *HeldAnswer;
  TAnswer Answer = TAnswer::Cancel;
  if (OnWindowThread([&] { Answer = AskUser(Text); })) return Answer;
  QMessageBox Box(QMessageBox::Question, QStringLiteral("Quillon"), DisplayText(Text),
                  QMessageBox::NoButton, Parent);
  if (InConversion && PlaceText && PlaceRow >= 0) {
    TPcbFlash Flash;
    if (PlaceXY) std::tie(Flash.X, Flash.Y) = *PlaceXY;
    Box.setInformativeText(PlaceText(PlaceRow, PlaceLayer, PlaceXY ? &Flash : nullptr));
  }
  // One role for all five keeps them in this order on every desktop; the
  // standard buttons would be rearranged by the platform's button layout.
  constexpr std::array<std::pair<const char*, TAnswer>, 5> Buttons = {{
      {QT_TRANSLATE_NOOP("TGuiPrompts", "&Yes"), TAnswer::Yes},
      {QT_TRANSLATE_NOOP("TGuiPrompts", "&No"), TAnswer::No},
      {QT_TRANSLATE_NOOP("TGuiPrompts", "Cancel"), TAnswer::Cancel},
      {QT_TRANSLATE_NOOP("TGuiPrompts", "N&o to All"), TAnswer::NoToAll},
      {QT_TRANSLATE_NOOP("TGuiPrompts", "Yes to &All"), TAnswer::YesToAll},
  }};
  std::array<QPushButton*, 5> Pushed{};
  for (std::size_t I = 0; I < Buttons.size(); ++I)
    Pushed[I] = Box.addButton(tr(Buttons[I].first), QMessageBox::ActionRole);
  Box.setDefaultButton(Pushed[0]);
  Box.setEscapeButton(Pushed[2]);
  const QAbstractButton* Pressed = Run(Box);
  Answer = TAnswer::Cancel;
  for (std::size_t I = 0; I < Buttons.size(); ++I)
    if (Pressed == Pushed[I]) Answer = Buttons[I].second;
  if (InConversion) {
    if (Answer == TAnswer::YesToAll || Answer == TAnswer::NoToAll) HeldAnswer = Answer;
    if (Answer == TAnswer::Cancel) CancelLayer = PlaceLayer;
  }
  PlaceRow = -1;
  return Answer;
}

}  // namespace quillon::app
