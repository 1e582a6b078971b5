// SPDX-License-Identifier: MIT
#pragma once
// The user prompts of the window: modal message boxes. A test installs a
// hook that is handed each box instead of showing it and says which button
// to press. Called from a worker thread, a prompt is shown on the window's
// thread while the worker waits for the answer.

#include <QCoreApplication>
#include <QString>
#include <functional>

#include "model/UserPrompts.h"

class QAbstractButton;
class QMessageBox;
class QWidget;

namespace quillon::app {

class TGuiPrompts final : public TUserPrompts {
  Q_DECLARE_TR_FUNCTIONS(TGuiPrompts)

 public:
  explicit TGuiPrompts(QWidget* Parent) : Parent(Parent) {}

  // The text with OK.
  void NotifyUser(std::string_view Text) override;
  // The text with the error icon and Yes, No, Cancel, No to All, Yes to All,
  // in this order. Closing the box without a button answers Cancel.
  TAnswer AskUser(std::string_view Text) override;
  // The general error report: the text of an error that stopped a handler.
  void ReportError(const QString& Text);

  // Receives every box about to be shown and returns the button to press
  // (nullptr: the box was closed without one); an empty hook shows the box.
  using TBoxHook = std::function<QAbstractButton*(QMessageBox&)>;
  static void SetBoxHook(TBoxHook Hook);

  // "\n\r" (how the core breaks a line), "\r\n" and "\r" become "\n".
  static QString DisplayText(std::string_view Text);

 private:
  QAbstractButton* Run(QMessageBox& Box);
  // Runs Ask on the parent's thread and returns true when the caller is on
  // another thread; false: the caller is there already and asks itself.
  bool OnWindowThread(const std::function<void()>& Ask);
  QWidget* Parent;
};

}  // namespace quillon::app
