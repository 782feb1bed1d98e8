// Selecting, dragging and nudging items with the mouse and the keyboard.
#include <gtest/gtest.h>

#include <wx/splitter.h>

#include "app/MainFrame.h"
#include "document/TovelCreatorDoc.h"
#include "editing/ObjectsView.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "model/TovelFile.h"
#include "resources/ResourceIds.h"
#include "support/DialogExpectations.h"
#include "support/FrameFixture.h"

namespace {

class TovelViewEditing : public FrameFixture {
protected:
  void SetUp() override
  {
    FrameFixture::SetUp();
    ShowLargeOnScreen();
    m_view = m_frame->GetTovelView();
    ItemCount = 2;
    ItemTable[0] = {10, 10, 60, 40, FlagFilled, 0, {"-1", "-1", "-1", "-1"}};
    ItemTable[1] = {40, 30, 90, 60, FlagFilled, 0, {"-1", "-1", "-1", "-1"}};
    m_frame->GetDocument()->StartHistory(); // as if opened
  }

  // Sends a mouse event at a point given in tovel pixels plus screen offsets.
  void Mouse(wxEventType type, int x, int y)
  {
    wxMouseEvent event(type);
    event.SetPosition(m_view->CalcScrolledPosition(m_view->PageOrigin() + wxPoint(x, y)));
    event.SetEventObject(m_view);
    m_view->ProcessWindowEvent(event);
  }

  void Key(wxWindow* window, int code, bool shift = false)
  {
    wxKeyEvent event(wxEVT_KEY_DOWN);
    event.m_keyCode = code;
    event.SetShiftDown(shift);
    event.SetEventObject(window);
    window->ProcessWindowEvent(event);
  }

  bool Modified() const { return m_frame->GetDocument()->IsModified(); }

  CTovelView* m_view = nullptr;
};

Rect RectOf(const TovelItem& item)
{
  return {item.Left, item.Top, item.Right, item.Bottom};
}

} // namespace

TEST_F(TovelViewEditing, AClickSelectsTheTopItemWithoutMovingIt)
{
  // The overlap belongs to the higher item.
  Mouse(wxEVT_LEFT_DOWN, 50, 35);
  EXPECT_EQ(CurrentItem, 1);
  EXPECT_FALSE(m_view->IsDragging());
  Mouse(wxEVT_MOTION, 150, 150);
  Mouse(wxEVT_LEFT_UP, 150, 150);
  EXPECT_EQ(RectOf(ItemTable[1]), (Rect{40, 30, 90, 60}));
  EXPECT_FALSE(Modified());

  Mouse(wxEVT_LEFT_DOWN, 15, 15);
  EXPECT_EQ(CurrentItem, 0);
  // A press on empty page changes nothing.
  Mouse(wxEVT_LEFT_DOWN, 300, 300);
  EXPECT_EQ(CurrentItem, 0);
  EXPECT_FALSE(Modified());
}

TEST_F(TovelViewEditing, DraggingTheCurrentItemMovesItWhereItIsDropped)
{
  CurrentItem = 0;
  Mouse(wxEVT_LEFT_DOWN, 20, 20);
  ASSERT_TRUE(m_view->IsDragging());
  Mouse(wxEVT_MOTION, 120, 70);
  EXPECT_EQ(m_view->DragRect(), (Rect{110, 60, 160, 90}));
  EXPECT_EQ(RectOf(ItemTable[0]), (Rect{10, 10, 60, 40})); // not yet
  Mouse(wxEVT_LEFT_UP, 125, 80);
  EXPECT_FALSE(m_view->IsDragging());
  EXPECT_EQ(RectOf(ItemTable[0]), (Rect{115, 70, 165, 100}));
  EXPECT_TRUE(Modified());
  // The drag is one step to undo.
  EXPECT_EQ(m_frame->GetDocument()->History().UndoName(), "Move");
  Command(ids::EditUndo);
  EXPECT_EQ(RectOf(ItemTable[0]), (Rect{10, 10, 60, 40}));
  Command(ids::EditRedo);

  // Pressing and releasing without moving keeps the place: the tables are
  // as saved, so the tovel is not modified.
  m_frame->GetDocument()->Modify(false);
  Mouse(wxEVT_LEFT_DOWN, 130, 80);
  Mouse(wxEVT_LEFT_UP, 130, 80);
  EXPECT_EQ(RectOf(ItemTable[0]), (Rect{115, 70, 165, 100}));
  EXPECT_FALSE(Modified());
}

TEST_F(TovelViewEditing, DropAtZoomTwoTruncatesTowardZero)
{
  m_view->SetZoom(2);
  m_frame->SendSizeEvent();
  Flush();
  CurrentItem = 0;
  // Grab 6 screen pixels right of the left edge (Left 10 is at 20).
  Mouse(wxEVT_LEFT_DOWN, 26, 30);
  ASSERT_TRUE(m_view->IsDragging());
  Mouse(wxEVT_LEFT_UP, 3, 30);
  EXPECT_EQ(ItemTable[0].Left, -1);
  EXPECT_EQ(ItemTable[0].Right, 49);
  m_view->SetZoom(1);
}

TEST_F(TovelViewEditing, LosingThePointerEndsTheDragWithoutMoving)
{
  CurrentItem = 0;
  Mouse(wxEVT_LEFT_DOWN, 20, 20);
  Mouse(wxEVT_MOTION, 120, 70);
  // The system takes the pointer away, then tells the view.
  if (m_view->HasCapture()) m_view->ReleaseMouse();
  wxMouseCaptureLostEvent lost(m_view->GetId());
  m_view->ProcessWindowEvent(lost);
  EXPECT_FALSE(m_view->IsDragging());
  Mouse(wxEVT_LEFT_UP, 120, 70);
  EXPECT_EQ(RectOf(ItemTable[0]), (Rect{10, 10, 60, 40}));
  EXPECT_FALSE(Modified());
}

TEST_F(TovelViewEditing, ArrowKeysMoveOrSizeTheCurrentItemInEitherPane)
{
  // No current item: nothing changes.
  Key(m_view, WXK_RIGHT);
  EXPECT_EQ(RectOf(ItemTable[0]), (Rect{10, 10, 60, 40}));
  EXPECT_FALSE(Modified());

  CurrentItem = 0;
  Key(m_view, WXK_RIGHT);
  EXPECT_EQ(RectOf(ItemTable[0]), (Rect{11, 10, 61, 40}));
  Key(m_view, WXK_RIGHT, true);
  EXPECT_EQ(RectOf(ItemTable[0]), (Rect{11, 10, 62, 40}));
  EXPECT_TRUE(Modified());

  CObjectsView* list = m_frame->GetObjectsView();
  Key(list, WXK_UP);
  EXPECT_EQ(RectOf(ItemTable[0]), (Rect{11, 9, 62, 39}));
  Key(list, WXK_DOWN, true);
  EXPECT_EQ(RectOf(ItemTable[0]), (Rect{11, 9, 62, 40}));
  // Other keys leave the item alone.
  Key(list, 'A');
  Key(m_view, WXK_HOME);
  EXPECT_EQ(RectOf(ItemTable[0]), (Rect{11, 9, 62, 40}));
}

TEST_F(TovelViewEditing, MovesThatTheFileCouldNotHoldAreRefused)
{
  // A text filling its line to the last character: Left 10 has one digit
  // more than Left 0.
  ItemTable[0] = {0, 10, 50, 40, FlagText, 0, {"", "-1", "-1", "-1"}};
  ItemTable[0].Contents[0] = std::string(510 - ItemLineLength(ItemTable[0]), 'x');
  const TovelItem full = ItemTable[0];
  CurrentItem = 0;

  Key(m_view, WXK_LEFT); // Left 0 would become -1
  Mouse(wxEVT_LEFT_DOWN, 5, 15);
  wxTEST_DIALOG(Mouse(wxEVT_LEFT_UP, 15, 15),
                ExpectMessageContaining("could not hold this item", wxID_OK));
  EXPECT_EQ(ItemTable[0], full);
  EXPECT_FALSE(Modified());

  // A move that keeps the line as long goes through.
  Key(m_view, WXK_RIGHT);
  EXPECT_EQ(ItemTable[0].Left, 1);
}
