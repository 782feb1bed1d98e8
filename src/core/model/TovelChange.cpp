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
