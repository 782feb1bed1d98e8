#include <gtest/gtest.h>

#include "editing/EditHistory.h"
#include "model/Tovel.h"

namespace {

// Tables with one item whose left edge is `left`.
TovelTables At(int left)
{
  TovelTables tables;
  tables.ItemCount = 1;
  tables.ItemTable[0] = {left, 0, left + 10, 10, 0, 0, {"0", "-1", "-1", "-1"}};
  return tables;
}

TEST(EditHistory, StepsGoBackAndForthAndTheModifiedFlagFollowsTheSavedTables)
{
  EditHistory history;
  history.Reset(At(0));
  EXPECT_FALSE(history.CanUndo());
  history.Record("Move", At(1));
  history.Record("Erase", At(2));
  EXPECT_EQ(history.UndoName(), "Erase");
  history.MarkSaved(At(2));

  struct Case {
    bool undo;
    int left;
    bool modified;
    const char* undoName;
    const char* redoName;
  };
  const Case cases[] = {
      {true, 1, true, "Move", "Erase"},
      {true, 0, true, "", "Move"},
      {false, 1, true, "Move", "Erase"},
      {false, 2, false, "Erase", ""},
  };
  for (const Case& c : cases) {
    const TovelTables& now = c.undo ? history.Undo() : history.Redo();
    EXPECT_EQ(now, At(c.left));
    EXPECT_EQ(history.IsModified(now), c.modified) << c.left;
    EXPECT_EQ(history.UndoName(), c.undoName);
    EXPECT_EQ(history.RedoName(), c.redoName);
  }

  // A new step after an undo cannot be followed by the step taken back.
  history.Undo();
  history.Record("Move up", At(5));
  EXPECT_FALSE(history.CanRedo());
  EXPECT_TRUE(history.IsModified(At(5)));
  // Selection and previews are not what a file stores: no step, no change.
  TovelTables previewed = At(5);
  previewed.CurrentItem = 0;
  previewed.ItemTable[0].State = 2;
  history.Record("Preview", previewed);
  EXPECT_EQ(history.UndoName(), "Move up");
  EXPECT_TRUE(SameSavedTables(previewed, At(5)));
  EXPECT_FALSE(SameSavedTables(previewed, At(6)));
  // An undo shows the selection and previews as they were before the step.
  history.NoteUnsaved(previewed);
  history.Record("Move", At(6));
  EXPECT_EQ(history.Undo(), previewed);
  // New and Open forget every step.
  history.Reset(At(9));
  EXPECT_FALSE(history.CanUndo() || history.CanRedo() || history.IsModified(At(9)));
  previewed = At(9);
  previewed.ItemTable[0].State = 1;
  EXPECT_FALSE(history.IsModified(previewed));
}

TEST(EditHistory, RunsOfArrowPressesAreOneStepAndTheOldestStepsGoPastTheLimit)
{
  EditHistory history(3);
  history.Reset(At(0));
  for (int left = 1; left <= 4; ++left) history.Record("Move", At(left), "arrows 0");
  history.EndRun();
  history.Record("Move", At(5), "arrows 0");
  // A run that comes back to where it started leaves no step behind.
  history.Record("Move", At(6), "arrows 0");
  history.Record("Move", At(5), "arrows 0");
  EXPECT_EQ(history.Undo(), At(4));
  EXPECT_EQ(history.Undo(), At(0));
  EXPECT_FALSE(history.CanUndo());

  for (int left = 1; left <= 5; ++left) history.Record("Step " + std::to_string(left), At(left));
  int undone = 0;
  while (history.CanUndo()) {
    history.Undo();
    ++undone;
  }
  EXPECT_EQ(undone, 3);
  EXPECT_EQ(history.Redo(), At(3));
  EXPECT_EQ(history.UndoName(), "Step 3");
}

} // namespace
