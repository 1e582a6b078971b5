// SPDX-License-Identifier: MIT
#include "preview/PreviewGeometry.h"

namespace quillon::preview {

const char* ItemKindId(TItemKind Kind) {
  switch (Kind) {
    case TItemKind::Line:
      return "line";
    case TItemKind::Rectangle:
      return "rect";
    case TItemKind::FilledRectangle:
      return "fillrect";
    case TItemKind::Arc:
      return "arc";
    case TItemKind::Text:
      return "text";
    case TItemKind::Flash:
      return "flash";
    case TItemKind::Polygon:
      return "poly";
  }
  return "item";
}

const char* ItemKindName(TItemKind Kind) {
  switch (Kind) {
    case TItemKind::Line:
      return "Line";
    case TItemKind::Rectangle:
      return "Rectangle";
    case TItemKind::FilledRectangle:
      return "Filled rectangle";
    case TItemKind::Arc:
      return "Arc";
    case TItemKind::Text:
      return "Text";
    case TItemKind::Flash:
      return "Flash";
    case TItemKind::Polygon:
      return "Polygon";
  }
  return "Item";
}

}  // namespace quillon::preview
