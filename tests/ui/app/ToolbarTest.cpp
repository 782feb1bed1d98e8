#include <gtest/gtest.h>

#include <cstring>

#include <wx/menu.h>
#include <wx/splitter.h>
#include <wx/toolbar.h>

#include "app/MainFrame.h"
#include "resources/ResourceIds.h"
#include "support/FrameFixture.h"

using Toolbar = FrameFixture;

namespace {

constexpr int Sep = wxID_SEPARATOR;

// Left to right, as the user sees them, and their tool tips.
// clang-format off
const int ExpectedIds[] = {
    ids::FileNew, ids::FileOpen, ids::FileSave, Sep,
    ids::RefreshBitmaps, ids::ChooseBitmaps, ids::SetConnections, Sep,
    ids::ZoomIn, ids::ZoomOut, Sep,
    ids::NewItem, ids::NewInput, ids::NewOutput, ids::NewValue, ids::NewMotor, ids::NewVariable, Sep,
    ids::Properties, ids::MoveUp, ids::MoveDown, Sep,
    ids::ShowLabels, Sep,
    ids::Erase};
const char* const ExpectedTips[] = {
    "New", "Open", "Save", "",
    "Refresh bitmaps", "Bitmap list", "IO connections", "",
    "Zoom in", "Zoom out", "",
    "New item", "New input", "New output", "New value", "New motor", "New variable", "",
    "Properties", "Move up", "Move down", "",
    "Show labels", "",
    "Erase"};
// clang-format on
static_assert(std::size(ExpectedIds) == std::size(ExpectedTips));

// Every button's image has the given size, and no two neighbours share a
// picture.
void ExpectImages(wxToolBar* bar, const wxSize& size)
{
  wxImage previous;
  for (size_t pos = 0; pos < bar->GetToolsCount(); ++pos) {
    const wxToolBarToolBase* tool = bar->GetToolByPos(static_cast<int>(pos));
    if (tool->IsSeparator()) continue;
    const wxBitmap bitmap = tool->GetNormalBitmap();
    ASSERT_TRUE(bitmap.IsOk()) << pos;
    EXPECT_EQ(bitmap.GetSize(), size) << pos;
    const wxImage image = bitmap.ConvertToImage();
    if (previous.IsOk()) {
      EXPECT_NE(0, std::memcmp(previous.GetData(), image.GetData(), 3u * size.x * size.y)) << pos;
    }
    previous = image;
  }
}

// The n-th button, counted from 1 and not counting separators.
const wxToolBarToolBase* Button(wxToolBar* bar, int n)
{
  for (size_t pos = 0; pos < bar->GetToolsCount(); ++pos) {
    const wxToolBarToolBase* tool = bar->GetToolByPos(static_cast<int>(pos));
    if (!tool->IsSeparator() && --n == 0) return tool;
  }
  return nullptr;
}

// The panes fill the client area, and the toolbar lies outside it.
void ExpectPanesBelow(wxToolBar* bar, wxWindow* splitter)
{
  wxWindow* frame = wxGetTopLevelParent(splitter);
  EXPECT_EQ(splitter->GetPosition(), wxPoint(0, 0));
  EXPECT_EQ(splitter->GetSize(), frame->GetClientSize());
  EXPECT_LE(bar->GetSize().y + frame->GetClientSize().y, frame->GetSize().y);
}

} // namespace

TEST_F(Toolbar, HoldsTheButtonsInOrderWithTheirTips)
{
  wxToolBar* bar = m_frame->GetToolBar();
  ASSERT_TRUE(bar);
  ASSERT_EQ(bar->GetToolsCount(), std::size(ExpectedIds));
  int buttons = 0;
  for (size_t pos = 0; pos < std::size(ExpectedIds); ++pos) {
    const wxToolBarToolBase* tool = bar->GetToolByPos(static_cast<int>(pos));
    if (ExpectedIds[pos] == Sep) {
      EXPECT_TRUE(tool->IsSeparator()) << pos;
      continue;
    }
    ++buttons;
    EXPECT_EQ(tool->GetId(), ExpectedIds[pos]) << pos;
    EXPECT_EQ(tool->GetShortHelp(), ExpectedTips[pos]) << pos;
    const bool check = ExpectedIds[pos] == ids::Properties || ExpectedIds[pos] == ids::ShowLabels;
    EXPECT_EQ(tool->GetKind(), check ? wxITEM_CHECK : wxITEM_NORMAL) << pos;
  }
  EXPECT_EQ(buttons, 19);
  ASSERT_TRUE(Button(bar, 5));
  EXPECT_EQ(Button(bar, 5)->GetShortHelp(), "Bitmap list");
  ExpectImages(bar, wxSize(16, 15));

  // The window has its icon in both sizes and no status bar.
  EXPECT_EQ(m_frame->GetIcons().GetIconCount(), 2u);
  EXPECT_TRUE(m_frame->GetIcons().GetIcon(32).IsOk());
  EXPECT_EQ(m_frame->GetIcons().GetIcon(16).GetWidth(), 16);
  EXPECT_EQ(m_frame->GetStatusBar(), nullptr);
}

TEST_F(Toolbar, LargeIconsSwitchesImageAndButtonSizes)
{
  wxMenuItem* menu = m_frame->GetMenuBar()->FindItem(ids::LargeIcons);
  ASSERT_TRUE(menu);
  wxToolBar* bar = m_frame->GetToolBar();
  m_frame->SendSizeEvent();
  Flush();
  const int smallHeight = bar->GetSize().y;
  ExpectPanesBelow(bar, m_frame->GetSplitter());

  EXPECT_FALSE(m_frame->IsLargeIcons());
  EXPECT_EQ(m_frame->ToolBitmapSize(), wxSize(16, 15));
  EXPECT_EQ(m_frame->ToolButtonSize(), wxSize(23, 22));
  EXPECT_FALSE(menu->IsChecked());

  Command(ids::LargeIcons);
  Flush();
  EXPECT_TRUE(m_frame->IsLargeIcons());
  EXPECT_EQ(m_frame->ToolBitmapSize(), wxSize(24, 23));
  EXPECT_EQ(m_frame->ToolButtonSize(), wxSize(31, 29));
  EXPECT_TRUE(menu->IsChecked());
  ASSERT_EQ(bar->GetToolsCount(), 25u);
  EXPECT_EQ(Button(bar, 5)->GetShortHelp(), "Bitmap list");
  ExpectImages(bar, wxSize(24, 23));
  // Opening the View menu puts the check mark back where it belongs.
  menu->Check(false);
  m_frame->GetMenuBar()->GetMenu(2)->UpdateUI(m_frame);
  EXPECT_TRUE(menu->IsChecked());
  // The platform may keep its toolbar height for both image sizes; it never
  // shrinks, and the panes stay below it.
  EXPECT_GE(bar->GetSize().y, smallHeight);
  ExpectPanesBelow(bar, m_frame->GetSplitter());

  Command(ids::LargeIcons);
  Flush();
  EXPECT_FALSE(m_frame->IsLargeIcons());
  EXPECT_EQ(m_frame->ToolBitmapSize(), wxSize(16, 15));
  EXPECT_EQ(m_frame->ToolButtonSize(), wxSize(23, 21));
  EXPECT_FALSE(menu->IsChecked());
  ExpectImages(bar, wxSize(16, 15));
  EXPECT_EQ(bar->GetSize().y, smallHeight);
  ExpectPanesBelow(bar, m_frame->GetSplitter());
}

TEST_F(Toolbar, ANewWindowStartsWithSmallImages)
{
  m_frame->SetLargeIcons(true);
  ASSERT_TRUE(m_frame->IsLargeIcons());
  auto* second = new CMainFrame;
  EXPECT_FALSE(second->IsLargeIcons());
  EXPECT_EQ(second->ToolBitmapSize(), wxSize(16, 15));
  EXPECT_EQ(second->ToolButtonSize(), wxSize(23, 22));
  EXPECT_FALSE(second->GetMenuBar()->IsChecked(ids::LargeIcons));
  second->Destroy();
  Flush();
}
