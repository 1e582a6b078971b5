// SPDX-License-Identifier: MIT
#pragma once
// The undefined-pin question that every pads writer asks about a flash whose
// pin has no description row, with its answer state for one writer run:
//  - a flash of a defined pin is added without a question;
//  - a question comes only when the undefined pin differs from the last one
//    asked about, so a run of flashes of one missing pin is asked about once,
//    and only the flash that raised a No is skipped (the user said No to that
//    via, not to the pin);
//  - No to All / Yes to All stand for every later undefined pin of the run;
//  - Cancel ends the writer's run at once.

#include <cstdint>
#include <optional>
#include <string>

#include "model/UserPrompts.h"

namespace quillon {

class TPins;
struct TPcbFlash;

// Prompts that also want to know where the flash of a question lies (to show
// it beside the question) implement this as well; it is told just before
// each question.
class TPinQuestionPlace {
 public:
  virtual ~TPinQuestionPlace() = default;
  // Layer is the layer being written (-1 unknown); Flash is null when the
  // question is not about one flash.
  virtual void PinQuestionAt(std::int32_t PinRow, int Layer, const TPcbFlash* Flash) = 0;
};

class TPinQuestion {
 public:
  enum TDecision { Add, Skip, Stop };

  // Opening of the question text: "Via with" for the CAM350 and Genesis
  // writers, "Via which" for the Gerber writer.
  TPinQuestion(TUserPrompts& Prompts, std::string Opening);

  // Decision for a flash whose pin row number (its PinNumber - 1) is PinRow;
  // Layer and Flash only tell the prompts where it lies.
  TDecision Decide(const TPins& Pins, std::int32_t PinRow, int Layer = -1,
                   const TPcbFlash* Flash = nullptr);

  // The question's text for PinRow.
  std::string Text(std::int32_t PinRow) const;

  // True once a "to all" answer was given: no further question comes.
  bool AnswersForAll() const { return AnswerForAll; }

 private:
  TUserPrompts& Prompts;
  std::string Opening;
  std::optional<std::int32_t> LastAskedPin;
  bool AnswerForAll = false;
  TAnswer AllAnswer = TAnswer::Yes;
};

}  // namespace quillon
