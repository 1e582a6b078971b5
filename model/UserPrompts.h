// SPDX-License-Identifier: MIT
#pragma once
// The two points at which the core talks to a person: a message to acknowledge
// and the undefined-pin question. The window implements them with message
// boxes, the command line with stderr and scripted answers.

#include <string_view>

namespace quillon {

enum class TAnswer { Yes, No, Cancel, NoToAll, YesToAll };

class TUserPrompts {
 public:
  virtual ~TUserPrompts() = default;
  // Shows Text and returns when the user acknowledged it.
  virtual void NotifyUser(std::string_view Text) = 0;
  // Asks Text with the buttons Yes, No, Cancel, No to All, Yes to All.
  virtual TAnswer AskUser(std::string_view Text) = 0;
};

// Says nothing and answers every question with Yes: the default of a board
// that no front end has connected.
class TSilentPrompts final : public TUserPrompts {
 public:
  void NotifyUser(std::string_view) override {}
  TAnswer AskUser(std::string_view) override { return TAnswer::Yes; }
};

}  // namespace quillon
