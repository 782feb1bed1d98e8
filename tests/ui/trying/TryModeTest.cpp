// Trying the tovel in the main window: what the view shows is what
// --render --set draws, and leaving gives everything back.
#include <gtest/gtest.h>

#include <cstdlib>

#include <string>

#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/splitter.h>
#include <wx/textctrl.h>
#include <wx/tglbtn.h>
#include <wx/utils.h>

#include "app/MainFrame.h"
#include "cli/RunTovelcreator.h"
#include "common/BmpMaker.h"
#include "document/TovelCreatorDoc.h"
#include "editing/ObjectsView.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "support/FrameFixture.h"
#include "trying/TryPanel.h"

// Last: the X11 headers define names (None, Bool, Status) that others use.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using TryMode = FrameFixture;

// A picture of one colour, 24 bits.
std::vector<std::uint8_t> SolidBmp(int width, int height, std::uint8_t red, std::uint8_t green)
{
  std::vector<std::uint8_t> pixels;
  for (int i = 0; i < width * height; ++i) pixels.insert(pixels.end(), {0, green, red});
  return MakeBmp({.Width = width, .Height = height, .Bits = 24, .Pixels = pixels});
}

// The page as the display shows it, read back from the X server.
wxImage PageOnScreen(CTovelView* view)
{
  const wxPoint corner = view->ClientToScreen(view->CalcScrolledPosition(view->PageOrigin()));
  auto* display = static_cast<Display*>(wxGetX11Display());
  XSync(display, False);
  XImage* shot = XGetImage(display, DefaultRootWindow(display), corner.x, corner.y, 400, 320,
                           AllPlanes, ZPixmap);
  wxImage page(400, 320);
  if (!shot) return {};
  auto channel = [](unsigned long pixel, unsigned long mask) {
    int shift = 0;
    while (mask && !(mask & 1)) {
      mask >>= 1;
      ++shift;
    }
    return static_cast<unsigned char>((pixel >> shift) & mask);
  };
  for (int y = 0; y < 320; ++y)
    for (int x = 0; x < 400; ++x) {
      const unsigned long pixel = XGetPixel(shot, x, y);
      page.SetRGB(x, y, channel(pixel, shot->red_mask), channel(pixel, shot->green_mask),
                  channel(pixel, shot->blue_mask));
    }
  XDestroyImage(shot);
  return page;
}

// Where two pictures of the page differ: empty when they do not.
std::string Differences(const wxImage& a, const wxImage& b)
{
  if (!a.IsOk() || !b.IsOk() || a.GetSize() != b.GetSize()) return "sizes differ";
  int count = 0;
  wxPoint first;
  for (int y = 0; y < a.GetHeight(); ++y)
    for (int x = 0; x < a.GetWidth(); ++x)
      if (a.GetRed(x, y) != b.GetRed(x, y) || a.GetGreen(x, y) != b.GetGreen(x, y) ||
          a.GetBlue(x, y) != b.GetBlue(x, y)) {
        if (count++ == 0) first = wxPoint(x, y);
      }
  if (count == 0) return "";
  return std::to_string(count) + " pixels, the first at " + std::to_string(first.x) + "," +
         std::to_string(first.y);
}

void Settle()
{
  for (int i = 0; i < 40; ++i) {
    wxYield();
    wxMilliSleep(10);
  }
}

} // namespace

TEST_F(TryMode, ClickedAndTypedStatesShowAsTheRenderDrawsThemAndLeavingGivesAllBack)
{
  std::filesystem::create_directory(m_folder / "pics");
  WriteBytes(m_folder / "pics" / "off.bmp", SolidBmp(24, 16, 200, 0));
  WriteBytes(m_folder / "pics" / "on.bmp", SolidBmp(24, 16, 0, 200));
  // A clickable lamp for input 1, a reading box for value 1, a label.
  std::string lines[32];
  for (int i = 0; i < 16; ++i) lines[i] = "-1,-1,-1;";
  for (int i = 16; i < 20; ++i) lines[i] = "-1,-1;";
  for (int i = 20; i < 24; ++i) lines[i] = "-1,-1,-1,-1;";
  for (int i = 24; i < 32; ++i) lines[i] = "-1;";
  lines[0] = "0,-1,-1;";
  lines[16] = "1,-1;";
  std::string file = "3;2;\r\npics\\off.bmp;pics\\on.bmp;\r\n"
                     "20,20,44,36,65,0,1,-1,-1;\r\n"
                     "100,20,160,41,10,0,0,0,0;\r\n"
                     "20,40,60,55,18,in 1,-1,-1,-1;\r\n";
  for (const auto& line : lines) file += line + "\r\n";
  const auto tovel = m_tovels.Write("Lamp", file);
  ShowLargeOnScreen();
  ASSERT_TRUE(m_frame->ReadTovel(tovel));
  // A preview from the item list, to be given back.
  ItemTable[0].State = 1;
  ItemTable[2].State = 3;
  const TovelTables before = TheTovel;
  ASSERT_FALSE(m_frame->GetDocument()->IsModified());

  m_frame->StartTrying();
  ASSERT_TRUE(m_frame->IsTrying());
  CTryPanel* panel = m_frame->GetTryPanel();
  EXPECT_EQ(ItemTable[0].State, 0);
  EXPECT_EQ(ItemTable[2].State, 0);
  EXPECT_FALSE(m_frame->GetObjectsView()->IsShown());
  EXPECT_FALSE(panel->InputSwitch(1)->IsEnabled());
  EXPECT_FALSE(panel->ValueField(1)->IsEnabled());

  // A click on the lamp switches input 1 on; a number typed shows.
  CTovelView* view = m_frame->GetTovelView();
  wxMouseEvent press(wxEVT_LEFT_DOWN);
  press.SetPosition(view->CalcScrolledPosition(view->PageOrigin() + wxPoint(30, 30)));
  press.SetEventObject(view);
  view->ProcessWindowEvent(press);
  EXPECT_EQ(ItemTable[0].State, 1);
  EXPECT_TRUE(panel->InputSwitch(0)->GetValue());
  panel->ValueField(0)->SetValue("3,7");
  EXPECT_NE(panel->Problem().Find("not a number"), wxNOT_FOUND);
  panel->ValueField(0)->SetValue("3.75");
  EXPECT_TRUE(panel->Problem().empty());
  // The screen is up to date: a whole repaint changes nothing.
  Settle();
  const wxImage changed = PageOnScreen(view);
  view->Refresh();
  Settle();
  EXPECT_EQ(Differences(changed, PageOnScreen(view)), "");

  // What the view paints is what --render --set draws of the same state.
  wxBitmap page(400, 320, 24);
  {
    wxMemoryDC dc(page);
    view->PaintPageInto(dc);
  }
  const auto out = m_folder / "tried.png";
  // The toolkit's font libraries keep memory to the end, which a leak check
  // of the rendering program would count.
  setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
  const RunResult run = RunTovelcreator("--render '" + out.string() +
                                            "' --set in1=on --set val1=3.75 --tovels-folder '" +
                                            m_folder.string() + "' '" + tovel.string() + "'",
                                        m_folder);
  ASSERT_EQ(run.status, 0) << run.err;
  wxImage drawn;
  ASSERT_TRUE(drawn.LoadFile(out.string(), wxBITMAP_TYPE_PNG));
  EXPECT_EQ(Differences(page.ConvertToImage(), drawn), "");
  // The lamp is on: green where it is drawn.
  EXPECT_EQ(drawn.GetGreen(30, 30), 200);

  m_frame->StopTrying();
  EXPECT_FALSE(m_frame->IsTrying());
  EXPECT_TRUE(TheTovel == before);
  EXPECT_FALSE(m_frame->GetDocument()->IsModified());
  EXPECT_TRUE(m_frame->GetObjectsView()->IsShown());
  EXPECT_EQ(m_frame->GetSplitter()->GetWindow1(), m_frame->GetObjectsView());

  // F5 enters the mode and Escape leaves it; F6 reaches the panel; opening
  // a tovel ends the mode first.
  const auto pressKey = [this](int code) {
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = code;
    key.SetEventObject(m_frame);
    m_frame->ProcessWindowEvent(key);
  };
  pressKey(WXK_F5);
  ASSERT_TRUE(m_frame->IsTrying());
  EXPECT_EQ(m_frame->PaneAfter(view, true), m_frame->GetTryPanel());
  pressKey(WXK_ESCAPE);
  EXPECT_FALSE(m_frame->IsTrying());
  pressKey(WXK_F5);
  ASSERT_TRUE(m_frame->ReadTovel(tovel));
  EXPECT_FALSE(m_frame->IsTrying());
  EXPECT_TRUE(m_frame->GetObjectsView()->IsShown());
}
