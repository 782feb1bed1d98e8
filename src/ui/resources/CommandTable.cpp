#include "resources/CommandTable.h"

#include <array>
#include <vector>

#include "resources/ResourceIds.h"

namespace {

constexpr std::array<CommandBinding, 34> Commands = {{
    {ids::FileNew, EditorCommand::New},
    {ids::SetTovelsDirectory, EditorCommand::SetTovelsDirectory},
    {ids::FileOpen, EditorCommand::Open},
    {ids::FileSave, EditorCommand::Save},
    {ids::FileSaveAs, EditorCommand::SaveAs},
    {ids::SaveAcorn, EditorCommand::SaveAcorn},
    {ids::SaveMacintosh, EditorCommand::SaveMacintosh},
    {ids::AppExit, EditorCommand::Exit},
    {ids::LargeIcons, EditorCommand::LargeIcons},
    {ids::AppAbout, EditorCommand::About},
    {ids::RefreshBitmaps, EditorCommand::RefreshBitmaps},
    {ids::ChooseBitmaps, EditorCommand::ChooseBitmaps},
    {ids::SetConnections, EditorCommand::SetConnections},
    {ids::ZoomIn, EditorCommand::ZoomIn},
    {ids::ZoomOut, EditorCommand::ZoomOut},
    {ids::NewItem, EditorCommand::NewItem},
    {ids::NewInput, EditorCommand::NewInput},
    {ids::NewOutput, EditorCommand::NewOutput},
    {ids::NewValue, EditorCommand::NewValue},
    {ids::NewMotor, EditorCommand::NewMotor},
    {ids::NewVariable, EditorCommand::NewVariable},
    {ids::Properties, EditorCommand::Properties},
    {ids::MoveUp, EditorCommand::MoveUp},
    {ids::MoveDown, EditorCommand::MoveDown},
    {ids::ShowLabels, EditorCommand::ShowLabels},
    {ids::Erase, EditorCommand::Erase},
    {ids::EditUndo, EditorCommand::Undo},
    {ids::EditRedo, EditorCommand::Redo},
    {ids::EditCut, EditorCommand::Cut},
    {ids::EditCopy, EditorCommand::Copy},
    {ids::EditPaste, EditorCommand::Paste},
    {ids::Duplicate, EditorCommand::Duplicate},
    {ids::EditDelete, EditorCommand::Delete},
    {ids::TryTovel, EditorCommand::TryTovel},
}};

constexpr std::array<KeyBinding, 16> Keys = {{
    {wxACCEL_CTRL, 'Z', ids::EditUndo},
    {wxACCEL_ALT, WXK_BACK, ids::EditUndo},
    {wxACCEL_CTRL, 'Y', ids::EditRedo},
    {wxACCEL_CTRL | wxACCEL_SHIFT, 'Z', ids::EditRedo},
    {wxACCEL_CTRL, 'X', ids::EditCut},
    {wxACCEL_SHIFT, WXK_DELETE, ids::EditCut},
    {wxACCEL_CTRL, 'C', ids::EditCopy},
    {wxACCEL_CTRL, WXK_INSERT, ids::EditCopy},
    {wxACCEL_CTRL, 'V', ids::EditPaste},
    {wxACCEL_SHIFT, WXK_INSERT, ids::EditPaste},
    {wxACCEL_CTRL, 'D', ids::Duplicate},
    {wxACCEL_NORMAL, WXK_DELETE, ids::EditDelete},
    {wxACCEL_NORMAL, WXK_F5, ids::TryTovel},
    {wxACCEL_NORMAL, WXK_F6, ids::NextPane},
    {wxACCEL_SHIFT, WXK_F6, ids::PrevPane},
}};

int AccelFlagsOf(int modifiers)
{
  int flags = wxACCEL_NORMAL;
  if (modifiers & wxMOD_ALT) flags |= wxACCEL_ALT;
  if (modifiers & wxMOD_CONTROL) flags |= wxACCEL_CTRL;
  if (modifiers & wxMOD_SHIFT) flags |= wxACCEL_SHIFT;
  return flags;
}

int MainKeyOf(int keyCode)
{
  switch (keyCode) {
  case WXK_NUMPAD_INSERT:
    return WXK_INSERT;
  case WXK_NUMPAD_DELETE:
    return WXK_DELETE;
  default:
    return keyCode >= 'a' && keyCode <= 'z' ? keyCode - 'a' + 'A' : keyCode;
  }
}

} // namespace

std::span<const CommandBinding> CommandTable()
{
  return Commands;
}

std::optional<EditorCommand> CommandForId(int id)
{
  for (const auto& binding : Commands)
    if (binding.Id == id) return binding.Command;
  return std::nullopt;
}

std::span<const KeyBinding> MainWindowKeys()
{
  return Keys;
}

int CommandForKey(int keyCode, int modifiers)
{
  const int key = MainKeyOf(keyCode);
  const int flags = AccelFlagsOf(modifiers);
  for (const auto& binding : Keys)
    if (binding.KeyCode == key && binding.Flags == flags) return binding.Id;
  return wxID_NONE;
}

wxAcceleratorTable MainWindowAccelerators()
{
  std::vector<wxAcceleratorEntry> entries;
  for (const auto& binding : Keys) entries.emplace_back(binding.Flags, binding.KeyCode, binding.Id);
  return wxAcceleratorTable(static_cast<int>(entries.size()), entries.data());
}
