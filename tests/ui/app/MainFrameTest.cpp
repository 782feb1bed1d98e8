#include <gtest/gtest.h>

#include <wx/dnd.h>
#include <wx/menu.h>
#include <wx/splitter.h>

#include "app/MainFrame.h"
#include "document/TovelCreatorDoc.h"
#include "editing/ObjectsView.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "resources/CommandTable.h"
#include "resources/ResourceIds.h"
#include "support/DialogExpectations.h"
#include "support/FrameFixture.h"

using MainFrame = FrameFixture;

TEST_F(MainFrame, StartsOnAnEmptyUntitledTovel)
{
  EXPECT_EQ(m_frame->GetTitle(), "Untitled - TovelCreator");
  EXPECT_EQ(ItemCount, 0);
  EXPECT_EQ(BitmapCount, 0);
  EXPECT_EQ(CurrentItem, -1);
  EXPECT_EQ(InputLinks[0][0], -1);
  EXPECT_FALSE(m_frame->GetDocument()->IsModified());
  EXPECT_TRUE(m_frame->GetDocument()->TovelPath().empty());

  // Item list on the left, 200 pixels wide; tovel view on the right.
  m_frame->SendSizeEvent();
  Flush();
  wxSplitterWindow* splitter = m_frame->GetSplitter();
  ASSERT_TRUE(splitter->IsSplit());
  EXPECT_EQ(splitter->GetSplitMode(), wxSPLIT_VERTICAL);
  EXPECT_EQ(splitter->GetWindow1(), m_frame->GetObjectsView());
  EXPECT_EQ(splitter->GetWindow2(), m_frame->GetTovelView());
  EXPECT_EQ(splitter->GetSashPosition(), 200);
}

TEST_F(MainFrame, MenusHoldTheDocumentCommandsInOrder)
{
  wxMenuBar* bar = m_frame->GetMenuBar();
  ASSERT_EQ(bar->GetMenuCount(), 4u);
  EXPECT_EQ(bar->GetMenuLabel(0), "&File");
  EXPECT_EQ(bar->GetMenuLabel(1), "&Edit");
  EXPECT_EQ(bar->GetMenuLabel(2), "View");
  EXPECT_EQ(bar->GetMenuLabel(3), "&Help");
  // Every command of the toolbar and the keys has a menu entry, so that
  // each can be reached from the keyboard.
  for (const CommandBinding& binding : CommandTable())
    EXPECT_TRUE(bar->FindItem(binding.Id)) << binding.Id;

  const std::vector<std::pair<int, wxString>> file = {
      {ids::FileNew, "&New\tCtrl+N"},
      {ids::SetTovelsDirectory, "Set Tovels Directory..."},
      {wxID_SEPARATOR, ""},
      {ids::FileOpen, "&Open...\tCtrl+O"},
      {ids::FileSave, "&Save\tCtrl+S"},
      {ids::FileSaveAs, "Save &As..."},
      {wxID_SEPARATOR, ""},
      {ids::SaveAcorn, "Save A&corn Tovel file..."},
      {ids::SaveMacintosh, "Save &Macintosh Tovel file..."},
      {wxID_SEPARATOR, ""},
      {ids::AppExit, "E&xit"},
  };
  const wxMenuItemList& items = bar->GetMenu(0)->GetMenuItems();
  ASSERT_EQ(items.size(), file.size());
  std::size_t index = 0;
  for (const wxMenuItem* item : items) {
    if (file[index].first == wxID_SEPARATOR)
      EXPECT_TRUE(item->IsSeparator()) << index;
    else {
      EXPECT_EQ(item->GetId(), file[index].first) << index;
      EXPECT_EQ(item->GetItemLabel(), file[index].second) << index;
    }
    ++index;
  }
  wxMenuItem* large = bar->GetMenu(2)->FindItem(ids::LargeIcons);
  ASSERT_TRUE(large);
  EXPECT_TRUE(large->IsCheckable());
  EXPECT_EQ(large->GetItemLabel(), "Large icons");
  ASSERT_TRUE(bar->GetMenu(3)->FindItem(ids::AppAbout));
  EXPECT_EQ(bar->GetMenu(3)->FindItem(ids::AppAbout)->GetItemLabel(), "&About TovelCreator...");
}

TEST_F(MainFrame, ClosingAsksToSaveChanges)
{
  m_frame->GetDocument()->Modify(true);
  wxTEST_DIALOG(EXPECT_FALSE(m_frame->Close()),
                ExpectMessage("Save changes to Untitled?", "TovelCreator", wxID_CANCEL));
  Flush();
  EXPECT_TRUE(m_frame->IsShown());
  EXPECT_TRUE(m_frame->GetDocument()->IsModified());

  // Yes on a tovel without a file asks where to save it; cancelling that
  // keeps the window open too.
  wxTEST_DIALOG(EXPECT_FALSE(m_frame->Close()),
                ExpectMessage("Save changes to Untitled?", "TovelCreator", wxID_YES),
                ExpectDialog<wxFileDialog>([](wxFileDialog* dialog) {
                  EXPECT_EQ(dialog->GetMessage(), "Save As");
                  return wxID_CANCEL;
                }));
  EXPECT_TRUE(m_frame->GetDocument()->IsModified());

  // Exit asks the same question.
  wxTEST_DIALOG(Command(ids::AppExit),
                ExpectMessage("Save changes to Untitled?", "TovelCreator", wxID_CANCEL));
  Flush();
  EXPECT_TRUE(m_frame->IsShown());
}

TEST_F(MainFrame, DroppedFileIsOpenedAndRead)
{
  const auto path = m_tovels.Write("Dropped", SmallTovel("dropped text", 0));
  wxArrayString files;
  files.Add(wxString::FromUTF8(path.string()));
  auto* target = dynamic_cast<wxFileDropTarget*>(m_frame->GetDropTarget());
  ASSERT_TRUE(target);
  EXPECT_TRUE(target->OnDropFiles(0, 0, files));
  Flush();
  EXPECT_EQ(m_frame->GetTitle(), "Dropped - TovelCreator");
  EXPECT_EQ(m_frame->GetDocument()->TovelPath(), path);
  ASSERT_EQ(ItemCount, 1);
  EXPECT_EQ(ItemTable[0].Contents[0], "dropped text");
  EXPECT_EQ(InputLinks[0][0], 0);
}
