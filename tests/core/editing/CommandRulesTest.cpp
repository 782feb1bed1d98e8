#include <gtest/gtest.h>

#include "editing/CommandRules.h"

namespace {

bool IsEnabled(EditorCommand command, const EditorState& state)
{
  return StateOfCommand(command, state).Enabled;
}

const EditorCommand NewConnectionCommands[] = {EditorCommand::NewInput, EditorCommand::NewOutput,
                                               EditorCommand::NewValue, EditorCommand::NewMotor,
                                               EditorCommand::NewVariable};

} // namespace

TEST(CommandRules, NewCommandsStopBeforeTheItemTableIsFull)
{
  EditorState state;
  for (int count : {0, 28, 29, 30}) {
    state.ItemCount = count;
    EXPECT_EQ(IsEnabled(EditorCommand::NewItem, state), count < 30) << count;
    for (auto command : NewConnectionCommands)
      EXPECT_EQ(IsEnabled(command, state), count < 29) << count;
  }
}

TEST(CommandRules, ItemCommandsNeedACurrentItemInTheRightPlace)
{
  struct Case {
    int count, current;
    bool properties, erase, up, down;
  };
  const Case cases[] = {
      {5, -1, false, false, false, false}, {5, 0, true, true, false, true},
      {5, 2, true, true, true, true},      {5, 4, true, true, true, false},
      {1, 0, true, true, false, false},   // a single item moves neither way
      {3, 3, false, false, false, false}, // a number past the end names no item
      {3, -5, false, false, false, false},
  };
  for (const Case& c : cases) {
    const EditorState state{c.count, c.current};
    EXPECT_EQ(IsEnabled(EditorCommand::Properties, state), c.properties) << c.current;
    EXPECT_EQ(IsEnabled(EditorCommand::Erase, state), c.erase) << c.current;
    EXPECT_EQ(IsEnabled(EditorCommand::MoveUp, state), c.up) << c.current;
    EXPECT_EQ(IsEnabled(EditorCommand::MoveDown, state), c.down) << c.current;
  }
}

TEST(CommandRules, ZoomAndCheckMarks)
{
  EditorState state;
  for (int zoom : {1, 2, 3, 4}) {
    state.ZoomLevel = zoom;
    EXPECT_EQ(IsEnabled(EditorCommand::ZoomIn, state), zoom < 4) << zoom;
    EXPECT_EQ(IsEnabled(EditorCommand::ZoomOut, state), zoom > 1) << zoom;
  }

  for (bool on : {true, false}) {
    state.LabelsShown = on;
    state.LargeIcons = on;
    EXPECT_EQ(StateOfCommand(EditorCommand::ShowLabels, state), (CommandState{true, on}));
    EXPECT_EQ(StateOfCommand(EditorCommand::LargeIcons, state), (CommandState{true, on}));
  }
  // The Properties window may stay open while no item is current: its
  // button then shows checked but cannot be pressed.
  state.ItemCount = 2;
  state.CurrentItem = 1;
  state.PropertiesWindowShown = true;
  EXPECT_EQ(StateOfCommand(EditorCommand::Properties, state), (CommandState{true, true}));
  state.CurrentItem = -1;
  EXPECT_EQ(StateOfCommand(EditorCommand::Properties, state), (CommandState{false, true}));

  // Only these three show a check mark; the others are always enabled
  // whatever the state.
  EXPECT_FALSE(StateOfCommand(EditorCommand::Erase, state).Checked.has_value());
  EXPECT_TRUE(CommandIsCheckable(EditorCommand::Properties));
  EXPECT_FALSE(CommandIsCheckable(EditorCommand::ZoomIn));
  state.ItemCount = 30;
  state.ZoomLevel = 4;
  for (auto command : {EditorCommand::Open, EditorCommand::SaveAcorn, EditorCommand::About,
                       EditorCommand::ChooseBitmaps, EditorCommand::SetConnections})
    EXPECT_EQ(StateOfCommand(command, state), CommandState{}) << static_cast<int>(command);
}

TEST(CommandRules, EditCommandsFollowTheHistoryTheClipboardAndTryMode)
{
  struct Case {
    EditorCommand command;
    EditorState state;
    bool enabled;
  };
  const Case cases[] = {
      {EditorCommand::Undo, {}, false},
      {EditorCommand::Undo, {.CanUndo = true}, true},
      {EditorCommand::Redo, {.CanUndo = true}, false},
      {EditorCommand::Redo, {.CanRedo = true}, true},
      {EditorCommand::Cut, {.ItemCount = 2, .CurrentItem = 1}, true},
      {EditorCommand::Copy, {.ItemCount = 2, .CurrentItem = 2}, false},
      {EditorCommand::Delete, {.ItemCount = 2}, false},
      {EditorCommand::Duplicate, {.ItemCount = 29, .CurrentItem = 0}, true},
      {EditorCommand::Duplicate, {.ItemCount = 30, .CurrentItem = 0}, false},
      {EditorCommand::Paste, {.ItemCount = 29}, false},
      {EditorCommand::Paste, {.ItemCount = 29, .ClipboardHasItem = true}, true},
      {EditorCommand::Paste, {.ItemCount = 30, .ClipboardHasItem = true}, false},
      // Trying the tovel: nothing that changes or replaces it.
      {EditorCommand::Undo, {.CanUndo = true, .Trying = true}, false},
      {EditorCommand::NewItem, {.Trying = true}, false},
      {EditorCommand::Open, {.Trying = true}, false},
      {EditorCommand::Save, {.Trying = true}, true},
      {EditorCommand::ZoomIn, {.Trying = true}, true},
      {EditorCommand::TryTovel, {.Trying = true}, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsEnabled(c.command, c.state), c.enabled) << static_cast<int>(c.command);
  EXPECT_EQ(StateOfCommand(EditorCommand::TryTovel, {.Trying = true}).Checked, true);
}
