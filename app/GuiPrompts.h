// SPDX-License-Identifier: MIT
#pragma once
// The user prompts of the window: modal message boxes. A test installs a
// hook that is handed each box instead of showing it and says which button
// to press. Called from a worker thread, a prompt is shown on the window's
// thread while the worker waits for the answer.

#include <QCoreApplication>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

#include "model/UserPrompts.h"
#include "script/PinQuestion.h"

class QAbstractButton;
class QMessageBox;
class QWidget;

namespace quillon::app {

class TGuiPrompts final : public TUserPrompts, public TPinQuestionPlace {
  Q_DECLARE_TR_FUNCTIONS(TGuiPrompts)

 public:
  explicit TGuiPrompts(QWidget* Parent) : Parent(Parent) {}

  // The text with OK.
  void NotifyUser(std::string_view Text) override;
  // The text with the error icon and Yes, No, Cancel, No to All, Yes to All,
  // in this order. Closing the box without a button answers Cancel.
  TAnswer AskUser(std::string_view Text) override;
  // A question with Yes and No (the default); true for Yes.
  bool Confirm(const QString& Text);
  // Where the next undefined-pin question's flash lies (on the worker).
  void PinQuestionAt(std::int32_t PinRow, int Layer, const TPcbFlash* Flash) override;
  // The lines shown below that question: the window describes the place.
  using TPlaceText = std::function<QString(std::int32_t PinRow, int Layer, const TPcbFlash* Flash)>;
  void SetPlaceText(TPlaceText Describe) { PlaceText = std::move(Describe); }

  // One conversion in the window: a "to All" answer holds for its remaining
  // questions, in every writer, and is given without asking again (the same
  // answers, so the same output, with fewer questions).
  void BeginConversion();
  void EndConversion() { InConversion = false; }
  // The layer of the question that Cancel answered in this conversion.
  std::optional<int> CancelledOnLayer() const { return CancelLayer; }

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
  TPlaceText PlaceText;
  bool InConversion = false;
  std::optional<TAnswer> HeldAnswer;
  std::optional<int> CancelLayer;
  std::int32_t PlaceRow = -1;
  int PlaceLayer = -1;
  std::optional<std::pair<std::int32_t, std::int32_t>> PlaceXY;
};

}  // namespace quillon::app
