// SPDX-License-Identifier: MIT
#pragma once
// One line that tells what an item is: its kind, list index, layer and
// fields, lengths in millimetres. The window shows it for the item under the
// mouse. UTF-8.

#include <string>

#include "preview/BoardRenderer.h"

namespace quillon::preview {

std::string DescribeItem(const TPcb& Board, const TRenderOptions& Options, const TItemRef& Item);

}  // namespace quillon::preview
