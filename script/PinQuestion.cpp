// SPDX-License-Identifier: MIT
#include "script/PinQuestion.h"

#include "pins/Pins.h"
#include "text/NumberFormat.h"

namespace quillon {

TPinQuestion::TPinQuestion(TUserPrompts& Prompts, std::string Opening)
    : Prompts(Prompts), Opening(std::move(Opening)) {}

std::string TPinQuestion::Text(std::int32_t PinRow) const {
  // The line break is line feed then carriage return, as the prompts expect.
  return Opening + " undefined Pin# (" + fmt::Int(PinRow) +
         ") found in PLT file!\n\rDo you want to add it anyway?";
}

TPinQuestion::TDecision TPinQuestion::Decide(const TPins& Pins, std::int32_t PinRow, int Layer,
                                             const TPcbFlash* Flash) {
  if (Pins.Exists(PinRow)) return Add;
  TAnswer Answer = TAnswer::Yes;
  if (PinRow != LastAskedPin) {
    LastAskedPin = PinRow;
    if (!AnswerForAll) {
      if (auto* Place = dynamic_cast<TPinQuestionPlace*>(&Prompts))
        Place->PinQuestionAt(PinRow, Layer, Flash);
      Answer = Prompts.AskUser(Text(PinRow));
      if (Answer == TAnswer::Cancel) return Stop;
      if (Answer == TAnswer::YesToAll || Answer == TAnswer::NoToAll) {
        AnswerForAll = true;
        AllAnswer = Answer == TAnswer::YesToAll ? TAnswer::Yes : TAnswer::No;
      }
    }
  }
  if (AnswerForAll) Answer = AllAnswer;
  return Answer == TAnswer::Yes ? Add : Skip;
}

}  // namespace quillon
