#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/settings.h>
#include <wx/splitter.h>

#include "app/MainFrame.h"
#include "bitmaps/BitmapLoading.h"
#include "document/TovelCreatorDoc.h"
#include "editing/ItemListGeometry.h"
#include "editing/ObjectsView.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"
#include "support/FrameFixture.h"

namespace {

const std::string Grey = "192,192,192";
const std::string Black = "0,0,0";

std::string Name(const wxColour& c)
{
  return std::to_string(c.Red()) + "," + std::to_string(c.Green()) + "," + std::to_string(c.Blue());
}

std::string SystemColour(wxSystemColour which)
{
  return Name(wxSystemSettings::GetColour(which));
}

std::string Pixel(const wxImage& image, int x, int y)
{
  return Name(wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)));
}

// How many pixels of r pass the test.
int CountPixels(const wxImage& image, const Rect& r, bool (*test)(int, int, int))
{
  int count = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      count += test(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)) ? 1 : 0;
    }
  }
  return count;
}

bool Dark(int r, int g, int b)
{
  return std::max({r, g, b}) < 80;
}
bool White(int r, int g, int b)
{
  return std::min({r, g, b}) > 230;
}
// The colour of the test picture.
bool Brick(int r, int g, int b)
{
  return std::abs(r - 200) < 4 && std::abs(g - 40) < 4 && std::abs(b - 30) < 4;
}

// The pixels of r, for comparing two places or two paintings.
std::vector<unsigned char> Region(const wxImage& image, const Rect& r)
{
  const wxImage part = image.GetSubImage(wxRect(r.Left, r.Top, r.Width(), r.Height()));
  return {part.GetData(), part.GetData() + 3 * r.Width() * r.Height()};
}

Rect MovedRight(const Rect& r, int by)
{
  return {r.Left + by, r.Top, r.Right + by, r.Bottom};
}

class ObjectsView : public FrameFixture {
protected:
  void SetUp() override
  {
    FrameFixture::SetUp();
    m_view = m_frame->GetObjectsView();
    SetPaneWidth(200);
  }

  void SetPaneWidth(int width)
  {
    m_frame->GetSplitter()->SetSashPosition(width);
    m_view->SendSizeEvent();
    Flush();
  }

  // Picture items whose pictures are all "none".
  void MakeItems(int count, int current)
  {
    for (int i = 0; i < count; ++i) ItemTable[i] = {0, 0, 10, 10, 0, 0, {"-1", "-1", "-1", "-1"}};
    ItemCount = count;
    CurrentItem = current;
    AnnounceTovelChange({TovelChange::Replaced});
  }

  wxImage Render()
  {
    wxBitmap bitmap(m_view->GetClientSize(), 24);
    {
      wxMemoryDC dc(bitmap);
      m_view->PaintTo(dc);
    }
    return bitmap.ConvertToImage();
  }

  void Click(int x, int y)
  {
    wxMouseEvent event(wxEVT_LEFT_DOWN);
    event.SetPosition({x, y});
    event.SetEventObject(m_view);
    m_view->HandleWindowEvent(event);
  }

  CObjectsView* m_view = nullptr;
};

} // namespace

TEST_F(ObjectsView, RowsFollowThePaneWidthUnderTheHeader)
{
  ASSERT_EQ(m_view->GetSize().x, 200);
  const int bar = std::max(0, wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, m_view));
  const int h = std::max(20, (200 - bar) / 6);
  EXPECT_EQ(m_view->RowHeight(), h);
  MakeItems(30, -1);
  EXPECT_EQ(m_view->GetVirtualSize().y, 14 + 30 * h);

  // No items: the header band with its line and labels, then window colour.
  MakeItems(0, -1);
  wxImage image = Render();
  const int w = image.GetWidth();
  EXPECT_EQ(Pixel(image, 1, 1), Grey);
  EXPECT_EQ(Pixel(image, w - 1, 12), Grey);
  EXPECT_EQ(Pixel(image, 0, 13), Black);
  EXPECT_EQ(Pixel(image, w - 1, 13), Black);
  EXPECT_EQ(Pixel(image, 0, 14), SystemColour(wxSYS_COLOUR_WINDOW));
  EXPECT_EQ(Pixel(image, w / 2, image.GetHeight() - 1), SystemColour(wxSYS_COLOUR_WINDOW));
  EXPECT_EQ(CountPixels(image, {0, 0, 2 * h, 13}, Dark), 0);
  for (int column = 0; column < 4; ++column) {
    EXPECT_GT(CountPixels(image, HeaderLabelRect(column, h), Dark), 0) << column;
  }

  // A narrow pane keeps rows of 20.
  SetPaneWidth(100);
  EXPECT_EQ(m_view->RowHeight(), 20);
  MakeItems(2, -1);
  image = Render();
  EXPECT_EQ(Pixel(image, 0, 14 + 20 - 1), Black);
  EXPECT_EQ(Pixel(image, 5, 14 + 20), Grey);
}

TEST_F(ObjectsView, RowsShowTheirNumberAndTheCurrentOneStandsOut)
{
  MakeItems(13, 7);
  const int h = m_view->RowHeight();
  const wxImage image = Render();
  for (const int row : {0, 7, 12}) {
    const int top = ItemRowTop(row, h);
    EXPECT_EQ(Pixel(image, h, top + 1), row == 7 ? SystemColour(wxSYS_COLOUR_HIGHLIGHT) : Grey);
    EXPECT_EQ(Pixel(image, h, top + h - 1), Black) << row;
    // The cross of the hide cell meets in the cell's middle.
    const Rect hide = HideCellRect(row, h);
    const int cx = hide.Left + hide.Width() / 2;
    const int cy = hide.Top + hide.Height() / 2;
    EXPECT_GT(CountPixels(image, {cx - 1, cy - 1, cx + 2, cy + 2}, Dark), 0) << row;
  }
  const auto number = [h](int row) {
    return Rect{2, ItemRowTop(row, h) + 2, h, ItemRowTop(row, h) + h - 2};
  };
  EXPECT_GT(CountPixels(image, number(7), White), 0);
  EXPECT_EQ(CountPixels(image, number(7), Dark), 0);
  EXPECT_GT(CountPixels(image, number(12), Dark), 0);
  EXPECT_EQ(CountPixels(image, number(12), White), 0);

  // On the same fill, 07 and 12 are different texts.
  CurrentItem = -1;
  const wxImage plain = Render();
  EXPECT_GT(CountPixels(plain, number(7), Dark), 0);
  EXPECT_NE(Region(plain, number(7)), Region(plain, number(12)));
}

TEST_F(ObjectsView, TheCellOfTheStateIsPushed)
{
  MakeItems(1, -1);
  const int h = m_view->RowHeight();
  const Rect cell0 = PictureCellRect(0, 0, h);
  const Rect cell1 = MovedRight(cell0, h);
  const Rect hide = HideCellRect(0, h);
  const wxImage state0 = Render();
  EXPECT_NE(Region(state0, cell0), Region(state0, cell1));

  ItemTable[0].State = 1;
  const wxImage state1 = Render();
  EXPECT_EQ(Region(state1, cell0), Region(state0, cell1));
  EXPECT_EQ(Region(state1, cell1), Region(state0, cell0));
  EXPECT_EQ(Region(state1, hide), Region(state0, hide));

  ItemTable[0].State = -1;
  const wxImage hidden = Render();
  EXPECT_NE(Region(hidden, hide), Region(state0, hide));
  EXPECT_EQ(Region(hidden, cell0), Region(state1, cell0));
}

TEST_F(ObjectsView, TextItemsShowTheirTextCutAtTheEnd)
{
  MakeItems(1, -1);
  const std::string text = "Water level in the upper tank: high, A";
  ItemTable[0] = {0, 0, 10, 10, FlagText, 0, {text, "", "", ""}};
  const Rect cell = TextCellRect(0, m_view->RowHeight());
  const wxImage first = Render();
  EXPECT_GT(CountPixels(first, cell, Dark), 0);
  EXPECT_EQ(CountPixels(first, {cell.Right, cell.Top, first.GetWidth(), cell.Bottom}, Dark), 0);

  // Only the end is cut: a different last letter shows the same, a
  // different first letter does not.
  ItemTable[0].Contents[0] = "Water level in the upper tank: high, B";
  EXPECT_EQ(Region(Render(), cell), Region(first, cell));
  ItemTable[0].Contents[0] = "Wafer level in the upper tank: high, A";
  EXPECT_NE(Region(Render(), cell), Region(first, cell));

  // Released when the item is hidden.
  ItemTable[0].Contents[0] = text;
  ItemTable[0].State = -1;
  EXPECT_NE(Region(Render(), cell), Region(first, cell));
}

TEST_F(ObjectsView, PicturesAreStretchedIntoTheirCells)
{
  wxImage solid(6, 4);
  solid.SetRGB(wxRect(0, 0, 6, 4), 200, 40, 30);
  ASSERT_TRUE(
      solid.SaveFile(wxString::FromUTF8((m_folder / "solid.bmp").string()), wxBITMAP_TYPE_BMP));
  // Slot 1 holds the picture too but is beyond the bitmaps in use.
  std::string problem;
  for (const int slot : {0, 1}) {
    BitmapNames[slot] = "solid.bmp";
    ASSERT_TRUE(LoadBitmapSlot(slot, &problem));
    ASSERT_EQ(problem, "");
  }
  BitmapCount = 1;

  MakeItems(1, -1);
  // Slot 0, a negative number, slot 1, and no digits (slot 0).
  ItemTable[0].Contents = {"0", "-1", "1", "abc"};
  ItemTable[0].State = 1;
  const int h = m_view->RowHeight();
  const wxImage image = Render();
  for (const int column : {0, 3}) {
    const Rect cell = PictureCellRect(0, column, h);
    const Rect inner{cell.Left + 3, cell.Top + 3, cell.Right - 3, cell.Bottom - 3};
    EXPECT_EQ(CountPixels(image, inner, Brick), inner.Width() * inner.Height()) << column;
    EXPECT_EQ(CountPixels(image, {cell.Left, cell.Top, cell.Left + 2, cell.Bottom}, Brick), 0);
    EXPECT_EQ(CountPixels(image, {cell.Left, cell.Bottom - 2, cell.Right, cell.Bottom}, Brick), 0);
  }
  for (const int column : {1, 2}) {
    EXPECT_EQ(CountPixels(image, PictureCellRect(0, column, h), Brick), 0) << column;
  }
}

TEST_F(ObjectsView, APressSelectsAndSetsTheStateWithoutModifyingTheTovel)
{
  MakeItems(3, 0);
  ItemTable[3] = {1, 2, 3, 4, 5, 1, {"beyond", "", "", ""}};
  const TovelItem beyond = ItemTable[3];
  const int h = m_view->RowHeight();
  const Rect cell3 = PictureCellRect(2, 3, h);
  Click(cell3.Left + cell3.Width() / 2, cell3.Top + cell3.Height() / 2);
  EXPECT_EQ(CurrentItem, 2);
  EXPECT_EQ(ItemTable[2].State, 3);
  EXPECT_EQ(ItemTable[0].State, 0);
  EXPECT_FALSE(m_frame->GetDocument()->IsModified());
  const wxImage image = Render();
  EXPECT_EQ(Pixel(image, h, ItemRowTop(2, h) + 1), SystemColour(wxSYS_COLOUR_HIGHLIGHT));
  EXPECT_EQ(Pixel(image, h, ItemRowTop(0, h) + 1), Grey);

  // The header and the space below the last row are not rows.
  Click(cell3.Left + 5, 5);
  Click(cell3.Left + 5, ItemListExtent(h, 3) + 5);
  EXPECT_EQ(CurrentItem, 2);
  EXPECT_EQ(ItemTable[0].State, 0);
  EXPECT_EQ(ItemTable[2].State, 3);
  EXPECT_EQ(ItemTable[3], beyond);
  EXPECT_FALSE(m_frame->GetDocument()->IsModified());
}

// Texts and crosses stand out from the button faces in a dark desktop theme
// as in a light one. Run in a process of its own under the dark theme by the
// test after it; skipped otherwise.
TEST_F(ObjectsView, InADarkThemeTheCellsReadLightOnDark)
{
  if (!getenv("GTK_THEME")) GTEST_SKIP() << "runs under a dark theme only";
  ItemTable[0] = {0, 0, 10, 10, FlagText, 1, {"WWWW", "-1", "-1", "-1"}};
  ItemCount = 1;
  AnnounceTovelChange({TovelChange::Replaced});
  const wxImage image = Render();
  const int h = m_view->RowHeight();
  // The face is the colour most of the cell shows; in the middle of the
  // cell the text or cross must differ from it by half the scale.
  for (const Rect& cell : {TextCellRect(0, h), HideCellRect(0, h)}) {
    std::map<int, int> greens;
    for (int y = cell.Top + 3; y < cell.Bottom - 3; ++y)
      for (int x = cell.Left + 3; x < cell.Right - 3; ++x) ++greens[image.GetGreen(x, y)];
    const int face = std::max_element(greens.begin(), greens.end(), [](auto& a, auto& b) {
                       return a.second < b.second;
                     })->first;
    ASSERT_LT(face, 128) << "the theme's faces are not dark";
    int contrast = 0;
    for (int y = cell.Top + cell.Height() / 4; y < cell.Bottom - cell.Height() / 4; ++y)
      for (int x = cell.Left + cell.Width() / 4; x < cell.Right - cell.Width() / 4; ++x)
        contrast = std::max(contrast, std::abs(image.GetGreen(x, y) - face));
    EXPECT_GT(contrast, 128) << "cell at " << cell.Left;
  }
}

TEST_F(ObjectsView, TheListReadsInADarkTheme)
{
  const std::string run = "GTK_THEME=Adwaita:dark '" +
                          std::filesystem::read_symlink("/proc/self/exe").string() +
                          "' --gtest_filter=ObjectsView.InADarkThemeTheCellsReadLightOnDark "
                          "> dark-theme.log 2>&1";
  EXPECT_EQ(std::system(run.c_str()), 0) << "see dark-theme.log";
}
