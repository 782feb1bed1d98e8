#include "model/TovelChange.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<TovelClient*>& Clients()
{
  static std::vector<TovelClient*> clients;
  return clients;
}

} // namespace

bool TovelChange::IsEdit() const
{
  return What != StateShown && What != Selected && What != Replaced;
}

std::string TovelChange::StepName() const
{
  if (!Step.empty()) return Step;
  switch (What) {
  case ItemEdited:
    // Dragged or nudged: named after what changed.
    if (Before && Item >= 0 && Item < ItemCount && Item < MaxItems) {
      const TovelItem& now = ItemTable[static_cast<std::size_t>(Item)];
      const bool sameSize = now.Right - now.Left == Before->Right - Before->Left &&
                            now.Bottom - now.Top == Before->Bottom - Before->Top;
      if (now.Flags == Before->Flags && now.Contents == Before->Contents)
        return sameSize ? "Move" : "Size";
    }
    return "Item properties";
  case ItemsSwapped:
    return "Move";
  case ItemsAdded:
    return "New item";
  case ItemErased:
    return "Erase";
  case Bitmaps:
    return "Bitmap list";
  case Links:
    return "IO connections";
  case StateShown:
  case Selected:
  case Replaced:
    break;
  }
  return {};
}

TovelClient::TovelClient()
{
  Clients().push_back(this);
}

TovelClient::~TovelClient()
{
  std::erase(Clients(), this);
}

void AnnounceTovelChange(const TovelChange& change)
{
  // A client may come or go while it is told (a window closing), so the
  // list is walked as it stood, skipping clients that left meanwhile.
  const std::vector<TovelClient*> clients = Clients();
  for (TovelClient* client : clients) {
    if (std::find(Clients().begin(), Clients().end(), client) != Clients().end())
      client->TovelChanged(change);
  }
}

void SelectItem(int k)
{
  const int previous = CurrentItem;
  CurrentItem = k;
  AnnounceTovelChange({TovelChange::Selected, k, previous});
}
