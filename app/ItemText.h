// SPDX-License-Identifier: MIT
#pragma once
// The line of the Layers page that tells what the item under the mouse is:
// its kind, list index, layer and fields, lengths in millimetres, in the
// window's language. The numbers keep the core's fixed format.

#include <QCoreApplication>
#include <QString>

#include "preview/BoardRenderer.h"

namespace quillon::app {

class TItemText {
  Q_DECLARE_TR_FUNCTIONS(TItemText)

 public:
  // Empty when the item's layer is not on the board.
  static QString Describe(const TPcb& Board, const preview::TRenderOptions& Options,
                          const preview::TItemRef& Item);
};

}  // namespace quillon::app
