#include "resources/ToolbarLayout.h"

#include <array>

#include "resources/ResourceIds.h"

namespace {

constexpr ToolbarEntry Separator{wxID_SEPARATOR, "", "", wxITEM_SEPARATOR};

constexpr std::array<ToolbarEntry, 25> Entries = {{
    {ids::FileNew, "New", "Create a new document", wxITEM_NORMAL},
    {ids::FileOpen, "Open", "Open an existing document", wxITEM_NORMAL},
    {ids::FileSave, "Save", "Save the active document", wxITEM_NORMAL},
    Separator,
    // The prompt keeps the spelling the program has always had.
    {ids::RefreshBitmaps, "Refresh bitmaps", "Refesh bitmaps", wxITEM_NORMAL},
    {ids::ChooseBitmaps, "Bitmap list", "Choose the bitmaps involved in the Tovel", wxITEM_NORMAL},
    {ids::SetConnections, "IO connections", "Alter input/output connections", wxITEM_NORMAL},
    Separator,
    {ids::ZoomIn, "Zoom in", "Zoom in", wxITEM_NORMAL},
    {ids::ZoomOut, "Zoom out", "Zoom out", wxITEM_NORMAL},
    Separator,
    {ids::NewItem, "New item", "Create a new item", wxITEM_NORMAL},
    {ids::NewInput, "New input", "Create a new input", wxITEM_NORMAL},
    {ids::NewOutput, "New output", "Create a new output", wxITEM_NORMAL},
    {ids::NewValue, "New value", "Create a new analogue value", wxITEM_NORMAL},
    {ids::NewMotor, "New motor", "Create a new motor", wxITEM_NORMAL},
    {ids::NewVariable, "New variable", "Create a new variable", wxITEM_NORMAL},
    Separator,
    {ids::Properties, "Properties", "Open Properties window", wxITEM_CHECK},
    {ids::MoveUp, "Move up", "Move object up", wxITEM_NORMAL},
    {ids::MoveDown, "Move down", "Move object down", wxITEM_NORMAL},
    Separator,
    {ids::ShowLabels, "Show labels", "Show the labels", wxITEM_CHECK},
    Separator,
    {ids::Erase, "Erase", "Erase the current item", wxITEM_NORMAL},
}};

constexpr int CountButtons()
{
  int buttons = 0;
  for (const auto& entry : Entries) buttons += entry.Kind == wxITEM_SEPARATOR ? 0 : 1;
  return buttons;
}
static_assert(CountButtons() == ToolbarButtonCount, "one image per button");

} // namespace

std::span<const ToolbarEntry> ToolbarLayout()
{
  return Entries;
}
