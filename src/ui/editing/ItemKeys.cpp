#include "editing/ItemKeys.h"

#include <optional>
#include <string>

#include <wx/defs.h>
#include <wx/utils.h>

#include "editing/ItemPlacement.h"
#include "model/TovelChange.h"

namespace {

std::optional<ArrowKey> ArrowOf(int keyCode)
{
  switch (keyCode) {
  case WXK_LEFT:
  case WXK_NUMPAD_LEFT:
    return ArrowKey::Left;
  case WXK_RIGHT:
  case WXK_NUMPAD_RIGHT:
    return ArrowKey::Right;
  case WXK_UP:
  case WXK_NUMPAD_UP:
    return ArrowKey::Up;
  case WXK_DOWN:
  case WXK_NUMPAD_DOWN:
    return ArrowKey::Down;
  default:
    return std::nullopt;
  }
}

} // namespace

bool ItemKeyDown(int keyCode, bool shift)
{
  const auto key = ArrowOf(keyCode);
  if (!key || CurrentItem < 0 || CurrentItem >= ItemCount) return false;
  const TovelItem before = ItemTable[CurrentItem];
  // A held key repeats: a message box for each refusal would pile up.
  if (NudgeItem(TheTovel, CurrentItem, *key, shift)) {
    wxBell();
    return true;
  }
  // Presses on one item, one after another, are taken back as one step.
  AnnounceTovelChange(TovelChange(TovelChange::ItemEdited, CurrentItem, -1, before)
                          .Named({}, "arrow keys on item " + std::to_string(CurrentItem)));
  return true;
}
