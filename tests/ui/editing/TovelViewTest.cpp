// The tovel view's drawing, checked pixel by pixel in an off-screen bitmap.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/splitter.h>

#include "app/MainFrame.h"
#include "bitmaps/BitmapLoading.h"
#include "bitmaps/PictureLoading.h"
#include "bitmaps/PixelScaling.h"
#include "common/BmpMaker.h"
#include "editing/ObjectsView.h"
#include "editing/TovelPainter.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "resources/ResourceIds.h"
#include "support/FrameFixture.h"
#include "support/PictureImages.h"

using TovelView = FrameFixture;

namespace {

const wxColour White(255, 255, 255);
const wxColour Black(0, 0, 0);
const wxColour Yellow(255, 255, 160);
const wxColour Red(255, 0, 0);

// Draws the page at the given zoom into a bitmap of its own size; with a
// part, only what falls in it, as a window showing that part would.
wxImage Paint(int zoom, bool labels = true, const wxRect* part = nullptr)
{
  wxBitmap page(400 * zoom, 320 * zoom, 24);
  {
    wxMemoryDC dc(page);
    dc.SetBackground(*wxBLUE_BRUSH);
    dc.Clear();
    const Rect area =
        part ? Rect{part->x, part->y, part->GetRight() + 1, part->GetBottom() + 1} : Rect{};
    TovelPainter(zoom, labels)
        .PaintPage(dc, wxPoint(0, 0), part ? &area : nullptr, part ? &area : nullptr);
  }
  return page.ConvertToImage();
}

wxColour At(const wxImage& image, int x, int y)
{
  return {image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)};
}

// Whether any pixel of the rectangle is dark, as text is.
bool HasDarkPixel(const wxImage& image, const wxRect& r)
{
  for (int y = r.y; y < r.GetBottom(); ++y)
    for (int x = r.x; x < r.GetRight(); ++x)
      if (image.GetRed(x, y) < 100 && image.GetGreen(x, y) < 100) return true;
  return false;
}

// The image as the loaded picture of slot k.
void LoadPicture(int slot, const wxImage& image)
{
  BitmapImages[slot].Bitmap = PictureOf(image);
  BitmapImages[slot].Width = image.GetWidth();
  BitmapImages[slot].Height = image.GetHeight();
  BitmapCount = std::max(BitmapCount, slot + 1);
}

// A loaded picture of one colour in slot k.
void SolidPicture(int slot, int width, int height, const wxColour& colour)
{
  wxImage image(width, height);
  image.SetRGB(wxRect(0, 0, width, height), colour.Red(), colour.Green(), colour.Blue());
  LoadPicture(slot, image);
}

} // namespace

// Shows a colour in a failure message.
void PrintTo(const wxColour& colour, std::ostream* out)
{
  *out << colour.GetAsString(wxC2S_CSS_SYNTAX);
}

TEST_F(TovelView, PageIsCentredInAWideWindowAndAtTheEdgeOfANarrowOne)
{
  CTovelView* view = m_frame->GetTovelView();
  m_frame->SetClientSize(1000, 700);
  m_frame->GetSplitter()->SetSashPosition(200);
  m_frame->SendSizeEvent();
  Flush();
  wxSize client = view->GetClientSize();
  ASSERT_GT(client.x, 400);
  EXPECT_EQ(view->PageOrigin(), wxPoint((client.x - 400) / 2, (client.y - 320) / 2));

  m_frame->SetClientSize(450, 300);
  m_frame->SendSizeEvent();
  Flush();
  client = view->GetClientSize();
  ASSERT_LT(client.x, 400);
  EXPECT_EQ(view->PageOrigin(), wxPoint(0, 0));
  EXPECT_EQ(view->GetVirtualSize(), wxSize(400, 320));

  // Zooming makes the scroll area the page, 1200 x 960 at zoom 3, and
  // scrolling to the end shows the page's last pixels at the window's edge.
  for (int zoom : {3, 4}) {
    view->SetZoom(zoom);
    EXPECT_EQ(view->GetVirtualSize(), wxSize(400 * zoom, 320 * zoom));
    EXPECT_EQ(view->ZoomLevel(), zoom);
    view->Scroll(100000, 100000);
    Flush();
    const wxSize client3 = view->GetClientSize();
    EXPECT_EQ(view->CalcUnscrolledPosition(wxPoint(client3.x, client3.y)),
              wxPoint(400 * zoom, 320 * zoom));
  }
  view->SetZoom(1);
}

TEST_F(TovelView, PictureAtZoomTwoKeepsItsSizeAtTheBottomLeftCorner)
{
  SolidPicture(0, 40, 30, Red);
  ItemCount = 1;
  ItemTable[0] = {10, 50, 15, 100, 0, 0, {"0", "-1", "-1", "-1"}};
  const wxImage page = Paint(2);
  EXPECT_EQ(At(page, 20, 140), Red);
  EXPECT_EQ(At(page, 99, 199), Red);
  EXPECT_EQ(At(page, 19, 140), White);
  EXPECT_EQ(At(page, 100, 170), White);
  EXPECT_EQ(At(page, 50, 139), White);
  EXPECT_EQ(At(page, 50, 200), White);

  // At zoom 1 the picture is copied as it is.
  const wxImage small = Paint(1);
  EXPECT_EQ(At(small, 10, 70), Red);
  EXPECT_EQ(At(small, 49, 99), Red);
  EXPECT_EQ(At(small, 50, 99), White);
  EXPECT_EQ(At(small, 10, 69), White);

  // At every zoom each pixel becomes an exact block: bands of 10 pixels
  // are 10 times the zoom wide.
  wxImage bands(40, 30);
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 30; ++y)
      bands.SetRGB(x, y, (x / 10) % 2 ? 255 : 0, 0, (y / 10) % 2 ? 255 : 0);
  BitmapImages[0].Bitmap = PictureOf(bands);
  for (int zoom = 2; zoom <= 4; ++zoom) {
    const wxImage zoomed = Paint(zoom);
    const int left = 10 * zoom;
    const int top = 100 * zoom - 30 * zoom;
    for (int band = 0; band < 3; ++band) {
      const int edge = left + 10 * zoom * (band + 1);
      EXPECT_NE(At(zoomed, edge - 1, top), At(zoomed, edge, top)) << zoom << " band " << band;
      EXPECT_EQ(At(zoomed, edge - 10 * zoom, top), At(zoomed, edge - 1, top)) << zoom;
      const int row = top + 10 * zoom * (band % 2 + 1);
      EXPECT_NE(At(zoomed, left, row - 1), At(zoomed, left, row)) << zoom << " row " << band;
    }
  }

  // A reloaded picture of another colour is drawn, not the old stretch.
  SolidPicture(0, 40, 30, wxColour(0, 128, 0));
  EXPECT_EQ(At(Paint(2), 20, 140), wxColour(0, 128, 0));
}

TEST_F(TovelView, FilledBoxesAndTheirText)
{
  ItemCount = 2;
  ItemTable[0] = {0, 0, 50, 21, FlagText | FlagFilled, 0, {"New", "-1", "-1", "-1"}};
  ItemTable[1] = {
      100, 100, 150, 121, FlagText | FlagFilled | FlagYellow, 0, {"New", "-1", "-1", "-1"}};
  const wxImage page = Paint(1);
  // Black border on the box's outer pixels (the corners may be softened),
  // the fill inside.
  EXPECT_EQ(At(page, 0, 10), Black);
  EXPECT_EQ(At(page, 25, 0), Black);
  EXPECT_EQ(At(page, 49, 10), Black);
  EXPECT_EQ(At(page, 25, 20), Black);
  EXPECT_EQ(At(page, 2, 2), White);
  EXPECT_EQ(At(page, 50, 10), White);
  EXPECT_EQ(At(page, 102, 102), Yellow);
  EXPECT_EQ(At(page, 100, 110), Black);
  // The text lies in the middle of the box, not at its edges.
  EXPECT_TRUE(HasDarkPixel(page, wxRect(10, 4, 30, 14)));
  EXPECT_FALSE(HasDarkPixel(page, wxRect(1, 1, 6, 19)));
  EXPECT_TRUE(HasDarkPixel(page, wxRect(110, 104, 30, 14)));
}

TEST_F(TovelView, HiddenStatesLabelsAndEmptyPictures)
{
  SolidPicture(0, 20, 20, Red);
  ItemCount = 3;
  // A picture item whose shown entry is -1 draws only its filled box.
  ItemTable[0] = {10, 10, 40, 40, FlagFilled | FlagYellow, 0, {"-1", "0", "-1", "-1"}};
  // A label: drawn only while labels are shown.
  ItemTable[1] = {
      100, 10, 160, 30, FlagText | FlagLabel | FlagFilled, 0, {"in 1", "-1", "-1", "-1"}};
  // A hidden item: not drawn at all.
  ItemTable[2] = {200, 10, 240, 40, FlagFilled, -1, {"0", "-1", "-1", "-1"}};

  wxImage page = Paint(1, true);
  EXPECT_EQ(At(page, 20, 20), Yellow);
  EXPECT_EQ(At(page, 100, 20), Black);
  EXPECT_EQ(At(page, 200, 10), White);
  EXPECT_EQ(At(page, 220, 38), White);

  page = Paint(1, false);
  EXPECT_EQ(At(page, 100, 20), White);
  EXPECT_FALSE(HasDarkPixel(page, wxRect(100, 10, 60, 20)));
  EXPECT_EQ(At(page, 20, 20), Yellow);

  // The state that names the picture shows it.
  ItemTable[0].State = 1;
  EXPECT_EQ(At(Paint(1), 10, 39), Red);
}

TEST_F(TovelView, ZoomScalesTextAndLabelsToggle)
{
  CTovelView* view = m_frame->GetTovelView();
  EXPECT_EQ(view->ZoomLevel(), 1);
  EXPECT_TRUE(view->LabelsShown());
  view->SetLabelsShown(false);
  EXPECT_FALSE(view->LabelsShown());
  view->SetLabelsShown(true);

  // The text is about 14 pixels high per zoom step.
  ItemCount = 1;
  ItemTable[0] = {0, 0, 400, 100, FlagText, 0, {"H", "-1", "-1", "-1"}};
  auto textHeight = [](const wxImage& page) {
    int top = -1, bottom = -1;
    for (int y = 0; y < page.GetHeight(); ++y)
      for (int x = 0; x < page.GetWidth(); ++x)
        if (page.GetRed(x, y) < 100) {
          if (top < 0) top = y;
          bottom = y;
        }
    return bottom - top + 1;
  };
  // The characters are 14 pixels high per zoom step (the em, without the
  // leading): a capital H of a sans face is about 0.73 of that, 10 pixels
  // at zoom 1.
  for (int zoom : {1, 3}) {
    const double em = 14.0 * zoom;
    const int h = textHeight(Paint(zoom));
    EXPECT_GE(h, 0.66 * em) << "zoom " << zoom;
    EXPECT_LE(h, 0.80 * em) << "zoom " << zoom;
  }
}

TEST_F(TovelView, EveryZoomShowsTheExactStretchOfThePicture)
{
  // Pixels of every colour near the far corner of the page, where the
  // arithmetic of any stretching has the largest numbers.
  wxImage noise(97, 61, false);
  unsigned seed = 12345;
  for (unsigned char* p = noise.GetData(); p < noise.GetData() + 97 * 61 * 3; ++p)
    *p = static_cast<unsigned char>((seed = seed * 1103515245 + 12345) >> 24);
  LoadPicture(0, noise);
  ItemCount = 1;
  ItemTable[0] = {301, 250, 398, 317, 0, 0, {"0", "-1", "-1", "-1"}};
  for (int zoom = 1; zoom <= 4; ++zoom) {
    wxImage whole(97 * zoom, 61 * zoom, false);
    const wxRect picture(wxPoint(301 * zoom, 317 * zoom - whole.GetHeight()), whole.GetSize());
    ASSERT_TRUE(StretchPart(*BitmapImages[0].Bitmap, picture.width, picture.height,
                            {0, 0, picture.width, picture.height},
                            {whole.GetData(), picture.width * picture.height * 3u}));
    // The whole page, then a window's part of it that cuts the picture.
    for (const wxRect part :
         {wxRect(0, 0, 400 * zoom, 320 * zoom), wxRect(310 * zoom + 1, 270 * zoom + 2, 50, 41)}) {
      ReleaseStretchedPictures();
      const wxRect checked = picture.Intersect(part);
      const wxImage shown = Paint(zoom, true, &part).GetSubImage(checked);
      const wxImage wanted = whole.GetSubImage(
          wxRect(checked.GetPosition() - picture.GetPosition(), checked.GetSize()));
      EXPECT_EQ(std::memcmp(shown.GetData(), wanted.GetData(), checked.width * checked.height * 3u),
                0)
          << "zoom " << zoom << ", part at " << part.x << "," << part.y;
    }
  }
}

TEST_F(TovelView, TheLargestPictureZoomsWithMemoryThatFollowsTheScreen)
{
  // 8000 x 8000, the most pixels a picture may have: the view stretches
  // only what it shows and gives the memory back when the zoom changes.
  std::filesystem::create_directory(m_folder / "big");
  BmpRecipe recipe{.Width = 8000, .Height = 8000, .Bits = 1};
  recipe.Pixels.assign(1000 * 8000, 0x5A);
  WriteBytes(m_folder / "big" / "huge.bmp", MakeBmp(recipe));
  BitmapNames[0] = "big\\huge.bmp";
  BitmapCount = 1;
  std::string problem;
  LoadBitmapSlot(0, &problem);
  ASSERT_EQ(problem, "");
  ItemCount = 1;
  ItemTable[0] = {10, 10, 60, 60, 0, 0, {"0", "0", "0", "0"}};
  ShowLargeOnScreen();

  CTovelView* view = m_frame->GetTovelView();
  const wxSize client = view->GetClientSize();
  const wxSize list = m_frame->GetObjectsView()->GetClientSize();
  const std::size_t onScreen =
      static_cast<std::size_t>(client.x) * client.y + static_cast<std::size_t>(list.x) * list.y;
  const auto paint = [&] {
    m_frame->Refresh();
    for (int round = 0; round < 40; ++round) {
      wxYield();
      Flush();
      wxMilliSleep(5);
    }
    return StretchedPicturePixels();
  };
  const std::size_t atOne = paint();
  EXPECT_GT(atOne, 0u);
  for (int zoom = 2; zoom <= 4; ++zoom) {
    Command(ids::ZoomIn);
    ASSERT_EQ(view->ZoomLevel(), zoom);
    EXPECT_LE(paint(), onScreen) << "zoom " << zoom;
  }
  for (int zoom = 3; zoom >= 1; --zoom) Command(ids::ZoomOut);
  EXPECT_EQ(paint(), atOne);
}

TEST_F(TovelView, HiddenPartsOfPicturesAreNotStretched)
{
  // Red under blue, and green wholly under blue: only what shows is made.
  SolidPicture(0, 40, 30, Red);
  SolidPicture(1, 10, 10, wxColour(0, 255, 0));
  SolidPicture(2, 30, 30, wxColour(0, 0, 255));
  ItemCount = 3;
  ItemTable[0] = {10, 10, 50, 40, 0, 0, {"0", "-1", "-1", "-1"}};
  ItemTable[1] = {35, 20, 45, 30, 0, 0, {"1", "-1", "-1", "-1"}};
  ItemTable[2] = {30, 10, 60, 40, 0, 0, {"2", "-1", "-1", "-1"}};
  ReleaseStretchedPictures();
  const wxImage page = Paint(1);
  EXPECT_EQ(At(page, 15, 15), Red);
  EXPECT_EQ(At(page, 29, 39), Red);
  for (const wxPoint blue : {wxPoint(30, 10), wxPoint(40, 25), wxPoint(59, 39)})
    EXPECT_EQ(At(page, blue.x, blue.y), wxColour(0, 0, 255)) << blue.x << "," << blue.y;
  EXPECT_EQ(StretchedPicturePixels(), 20u * 30 + 30 * 30);
}
