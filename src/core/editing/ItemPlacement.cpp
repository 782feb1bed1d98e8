#include "editing/ItemPlacement.h"

#include "editing/ItemEditing.h"
#include "editing/ViewGeometry.h"

namespace {

// One step, stopping at the ends of int instead of wrapping.
int Step(int value, int delta)
{
  return ClampToInt(std::int64_t{value} + delta);
}

} // namespace

int HitTest(Point p, int zoom, Point origin)
{
  for (int i = ItemCount - 1; i >= 0; --i) {
    const Rect area = ItemScreenRect(ItemTable[i], zoom, origin);
    if (area.Left <= p.X && p.X < area.Right && area.Top <= p.Y && p.Y < area.Bottom) return i;
  }
  return -1;
}

Point GrabOffset(const TovelItem& item, Point p, int zoom, Point origin)
{
  return {ClampToInt(std::int64_t{p.X} - std::int64_t{zoom} * item.Left - origin.X),
          ClampToInt(std::int64_t{p.Y} - std::int64_t{zoom} * item.Top - origin.Y)};
}

Rect DropPosition(const Rect& dragged, Point p, Point grab, int zoom, Point origin)
{
  const std::int64_t left = (std::int64_t{p.X} - grab.X - origin.X) / zoom;
  const std::int64_t top = (std::int64_t{p.Y} - grab.Y - origin.Y) / zoom;
  const std::int64_t width = std::int64_t{dragged.Right} - dragged.Left;
  const std::int64_t height = std::int64_t{dragged.Bottom} - dragged.Top;
  return {ClampToInt(left), ClampToInt(top), ClampToInt(left + width), ClampToInt(top + height)};
}

void ApplyArrowKey(TovelItem& item, ArrowKey key, bool shift)
{
  switch (key) {
  case ArrowKey::Left:
    if (!shift) item.Left = Step(item.Left, -1);
    item.Right = Step(item.Right, -1);
    break;
  case ArrowKey::Right:
    if (!shift) item.Left = Step(item.Left, 1);
    item.Right = Step(item.Right, 1);
    break;
  case ArrowKey::Up:
    if (!shift) item.Top = Step(item.Top, -1);
    item.Bottom = Step(item.Bottom, -1);
    break;
  case ArrowKey::Down:
    if (!shift) item.Top = Step(item.Top, 1);
    item.Bottom = Step(item.Bottom, 1);
    break;
  }
}

std::optional<std::string> PlaceItem(TovelTables& tables, int i, const Rect& r)
{
  if (i < 0 || i >= tables.ItemCount) return std::nullopt;
  TovelItem& item = tables.ItemTable[i];
  TovelItem placed = item;
  placed.Left = r.Left;
  placed.Top = r.Top;
  placed.Right = r.Right;
  placed.Bottom = r.Bottom;
  if (auto problem = ItemChangeProblem(item, placed)) return problem;
  item = placed;
  return std::nullopt;
}

std::optional<std::string> NudgeItem(TovelTables& tables, int i, ArrowKey key, bool shift)
{
  if (i < 0 || i >= tables.ItemCount) return std::nullopt;
  TovelItem nudged = tables.ItemTable[i];
  ApplyArrowKey(nudged, key, shift);
  return PlaceItem(tables, i, {nudged.Left, nudged.Top, nudged.Right, nudged.Bottom});
}
