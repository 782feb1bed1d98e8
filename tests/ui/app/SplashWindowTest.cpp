#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/evtloop.h>
#include <wx/settings.h>
#include <wx/stopwatch.h>
#include <wx/uiaction.h>

#include "app/MainFrame.h"
#include "app/SplashWindow.h"
#include "resources/AppImages.h"
#include "resources/ResourceIds.h"
#include "support/FrameFixture.h"

// Rectangles in failure messages.
void PrintTo(const wxRect& rect, std::ostream* out)
{
  *out << "(" << rect.x << ", " << rect.y << ") " << rect.width << " x " << rect.height;
}

namespace {

// Lets timers, queued events and idle work run until done() or the time is up.
bool RunUntil(const std::function<bool()>& done, long milliseconds)
{
  wxEventLoop loop;
  wxEventLoopActivator active(&loop);
  wxStopWatch watch;
  while (!done() && watch.Time() < milliseconds) {
    loop.DispatchTimeout(10);
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
  }
  return done();
}

void Flush()
{
  wxTheApp->ProcessPendingEvents();
  wxTheApp->ProcessIdle();
}

CSplashWindow* Show(bool aboutMode)
{
  auto* window = new CSplashWindow(aboutMode);
  EXPECT_TRUE(window->ShowSplash());
  return window;
}

bool NoneOpen()
{
  return CSplashWindow::OpenWindows().empty();
}

// Whether any splash or About object still exists, closing or not.
bool AnyLeft()
{
  for (wxWindow* window : wxTopLevelWindows)
    if (dynamic_cast<CSplashWindow*>(window)) return true;
  return false;
}

void CloseAll()
{
  for (CSplashWindow* window : CSplashWindow::OpenWindows()) window->Destroy();
  Flush();
}

// Sends an event to a window as the toolkit would; returns whether it was
// handled and whether a handler let it go on.
std::pair<bool, bool> Send(wxWindow* window, wxEvent& event)
{
  event.SetEventObject(window);
  const bool handled = window->ProcessWindowEvent(event);
  return {handled, event.GetSkipped()};
}

void PressOk(CSplashWindow* about)
{
  wxButton* ok = about->GetOkButton();
  ASSERT_TRUE(ok);
  wxCommandEvent click(wxEVT_BUTTON, ok->GetId());
  Send(ok, click);
}

wxImage Painted(const CSplashWindow* window)
{
  wxBitmap bitmap(window->GetClientSize());
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxRED_BRUSH);
    dc.Clear();
    window->PaintTo(dc);
  }
  return bitmap.ConvertToImage();
}

// The rectangle, in the picture's coordinates, of the pixels within the
// picture's area that differ from the picture; the picture lies at `at` in
// the painted image.
wxRect ChangedArea(const wxImage& painted, const wxImage& picture, wxPoint at)
{
  wxRect changed;
  for (int y = 0; y < picture.GetHeight(); ++y)
    for (int x = 0; x < picture.GetWidth(); ++x)
      if (std::make_tuple(painted.GetRed(x + at.x, y + at.y), painted.GetGreen(x + at.x, y + at.y),
                          painted.GetBlue(x + at.x, y + at.y)) !=
          std::make_tuple(picture.GetRed(x, y), picture.GetGreen(x, y), picture.GetBlue(x, y)))
        changed.Union(wxRect(x, y, 1, 1));
  return changed;
}

// The colours of the pixels on the edge of an image, one pixel wide.
std::set<std::tuple<int, int, int>> EdgeColours(const wxImage& image)
{
  std::set<std::tuple<int, int, int>> colours;
  const int w = image.GetWidth();
  const int h = image.GetHeight();
  auto add = [&](int x, int y) {
    colours.insert({image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)});
  };
  for (int x = 0; x < w; ++x) {
    add(x, 0);
    add(x, h - 1);
  }
  for (int y = 0; y < h; ++y) {
    add(0, y);
    add(w - 1, y);
  }
  return colours;
}

int Darkest(const wxImage& image, const wxRect& area)
{
  int darkest = 255;
  for (int y = area.GetTop(); y <= area.GetBottom(); ++y)
    for (int x = area.GetLeft(); x <= area.GetRight(); ++x)
      darkest = std::min(
          {darkest, int(image.GetRed(x, y)), int(image.GetGreen(x, y)), int(image.GetBlue(x, y))});
  return darkest;
}

class SplashWindowTest : public ::testing::Test {
protected:
  void TearDown() override
  {
    CloseAll();
    CSplashWindow::SetTimerPeriod(CSplashWindow::DefaultTimerPeriod);
  }
};

} // namespace

TEST_F(SplashWindowTest, SplashClosesByItselfWhenItsTimeIsUp)
{
  EXPECT_EQ(CSplashWindow::DefaultTimerPeriod, 3500);
  EXPECT_EQ(CSplashWindow::TimerPeriod(), 3500);

  CSplashWindow::SetTimerPeriod(200);
  wxStopWatch watch;
  CSplashWindow* splash = Show(false);
  EXPECT_FALSE(splash->IsAboutMode());
  EXPECT_TRUE(splash->IsShown());
  // Closing the main window meanwhile would end the program.
  EXPECT_FALSE(splash->ShouldPreventAppExit());
  EXPECT_EQ(CSplashWindow::OpenWindows(), std::vector<CSplashWindow*>{splash});

  // It waits for its time, then goes away and deletes itself.
  EXPECT_FALSE(RunUntil(NoneOpen, 50));
  EXPECT_TRUE(RunUntil(NoneOpen, 3000)) << "the splash did not close by its timer";
  EXPECT_GE(watch.Time(), 190);
  Flush();
  EXPECT_FALSE(AnyLeft());
}

TEST_F(SplashWindowTest, FirstKeyOrMouseButtonOnTheSplashClosesItAndGoesNoFurther)
{
  std::vector<std::function<std::unique_ptr<wxEvent>()>> presses = {
      [] {
        auto key = std::make_unique<wxKeyEvent>(wxEVT_KEY_DOWN);
        key->m_keyCode = 'A';
        return key;
      },
      [] {
        auto key = std::make_unique<wxKeyEvent>(wxEVT_KEY_DOWN);
        key->m_keyCode = WXK_F4;
        key->SetAltDown(true);
        return key;
      },
      [] {
        auto key = std::make_unique<wxKeyEvent>(wxEVT_CHAR_HOOK);
        key->m_keyCode = WXK_ESCAPE;
        return key;
      },
      [] { return std::make_unique<wxMouseEvent>(wxEVT_LEFT_DOWN); },
      [] { return std::make_unique<wxMouseEvent>(wxEVT_RIGHT_DOWN); },
      [] { return std::make_unique<wxMouseEvent>(wxEVT_MIDDLE_DOWN); },
  };
  for (std::size_t i = 0; i < presses.size(); ++i) {
    CSplashWindow* splash = Show(false);
    const std::unique_ptr<wxEvent> press = presses[i]();
    const auto [handled, skipped] = Send(splash, *press);
    EXPECT_TRUE(handled) << i;
    EXPECT_FALSE(skipped) << i;
    EXPECT_TRUE(NoneOpen()) << i;
    Flush();
    EXPECT_FALSE(AnyLeft()) << i;
  }

  // Releasing a button or moving the mouse over it does not close it.
  CSplashWindow* splash = Show(false);
  wxMouseEvent up(wxEVT_LEFT_UP);
  wxMouseEvent motion(wxEVT_MOTION);
  Send(splash, up);
  Send(splash, motion);
  EXPECT_EQ(CSplashWindow::OpenWindows(), std::vector<CSplashWindow*>{splash});
}

TEST_F(SplashWindowTest, KeysAndClicksFromTheDisplayReachTheSplash)
{
  // Real input, where the display lets the window take the focus.
  wxUIActionSimulator input;
  const auto wait = [](long milliseconds) { RunUntil([] { return false; }, milliseconds); };
  for (const bool key : {true, false}) {
    CSplashWindow* splash = Show(false);
    input.MouseMove(splash->GetScreenRect().GetPosition() + wxPoint(100, 100));
    wait(150);
    if (wxWindow::FindFocus() != splash) GTEST_SKIP() << "the display gives the splash no focus";
    if (key)
      input.Char('a');
    else
      input.MouseClick(wxMOUSE_BTN_RIGHT);
    EXPECT_TRUE(RunUntil(NoneOpen, 2000)) << (key ? "key" : "click");
  }

  CSplashWindow* about = Show(true);
  input.MouseMove(about->GetScreenRect().GetPosition() + wxPoint(100, 100));
  wait(150);
  input.MouseClick();
  input.Char('a');
  wait(300);
  EXPECT_EQ(CSplashWindow::OpenWindows(), std::vector<CSplashWindow*>{about});
}

TEST_F(SplashWindowTest, AboutStaysUntilOk)
{
  // Even with the shortest period, the About window has no timer.
  CSplashWindow::SetTimerPeriod(20);
  CSplashWindow* about = Show(true);
  EXPECT_TRUE(about->IsAboutMode());

  wxKeyEvent key(wxEVT_KEY_DOWN);
  key.m_keyCode = 'A';
  wxKeyEvent escape(wxEVT_CHAR_HOOK);
  escape.m_keyCode = WXK_ESCAPE;
  wxMouseEvent left(wxEVT_LEFT_DOWN);
  wxMouseEvent right(wxEVT_RIGHT_DOWN);
  wxMouseEvent middle(wxEVT_MIDDLE_DOWN);
  left.SetPosition(wxPoint(100, 100));
  for (wxEvent* event : std::initializer_list<wxEvent*>{&key, &escape, &left, &right, &middle}) {
    Send(about, *event);
    EXPECT_TRUE(event->GetSkipped()) << event->GetEventType();
  }
  EXPECT_FALSE(RunUntil(NoneOpen, 150));
  EXPECT_EQ(CSplashWindow::OpenWindows(), std::vector<CSplashWindow*>{about});

  PressOk(about);
  EXPECT_TRUE(NoneOpen());
  Flush();
  EXPECT_FALSE(AnyLeft());
}

TEST_F(SplashWindowTest, WindowsAreThePictureAndTheAboutStripCentredOnScreen)
{
  const wxSize picture = CSplashWindow::PictureSize();
  EXPECT_EQ(picture, wxSize(502, 302));

  // The picture inside a thin frame; the About window adds the strip.
  CSplashWindow* splash = Show(false);
  CSplashWindow* about = Show(true);
  EXPECT_EQ(splash->GetSize(), wxSize(504, 304));
  EXPECT_EQ(splash->GetClientSize(), wxSize(504, 304));
  EXPECT_EQ(about->GetSize(), wxSize(504, 334));
  EXPECT_EQ(about->GetClientSize(), wxSize(504, 334));

  for (CSplashWindow* window : {splash, about}) {
    EXPECT_TRUE(window->HasFlag(wxSTAY_ON_TOP));
    EXPECT_TRUE(window->HasFlag(wxFRAME_NO_TASKBAR));
    EXPECT_FALSE(window->HasFlag(wxCAPTION));
    EXPECT_FALSE(window->HasFlag(wxRESIZE_BORDER));
    // Centred on the screen.
    const wxRect screen = wxDisplay(window).GetClientArea();
    const wxPoint centre = window->GetScreenRect().GetPosition() + window->GetSize() / 2;
    EXPECT_NEAR(centre.x, screen.x + screen.width / 2, 2);
    EXPECT_NEAR(centre.y, screen.y + screen.height / 2, 2);
  }

  // The splash has nothing on it; the About window its OK button, 80 x 22,
  // centred in the strip under the picture.
  EXPECT_EQ(splash->GetOkButton(), nullptr);
  EXPECT_TRUE(splash->GetChildren().empty());
  wxButton* ok = about->GetOkButton();
  ASSERT_TRUE(ok);
  EXPECT_EQ(about->GetChildren().size(), 1u);
  EXPECT_EQ(ok->GetId(), wxID_OK);
  EXPECT_EQ(ok->GetLabel(), "OK");
  EXPECT_EQ(ok->GetRect(), wxRect(212, 308, 80, 22));
  EXPECT_TRUE(ok->IsShown());

  // Resizing lays nothing out: the button keeps its place.
  about->SendSizeEvent();
  Flush();
  EXPECT_EQ(ok->GetRect(), wxRect(212, 308, 80, 22));
}

TEST_F(SplashWindowTest, VersionNumberLiesAtTheLowerRightOfThePicture)
{
  const wxImage picture = TitlePictureRows(0, TitlePictureSize().y);
  ASSERT_EQ(picture.GetSize(), wxSize(502, 302));

  CSplashWindow* splash = Show(false);
  CSplashWindow* about = Show(true);
  const wxImage splashPaint = Painted(splash);
  const wxImage aboutPaint = Painted(about);

  // A thin black frame surrounds everything.
  const std::set<std::tuple<int, int, int>> frameOnly = {{0, 0, 0}};
  EXPECT_EQ(EdgeColours(splashPaint), frameOnly);
  EXPECT_EQ(EdgeColours(aboutPaint), frameOnly);

  // Apart from "1.01", the splash shows the picture as it is, inside the
  // frame. The text's right end lies 4 pixels in from the window's outer
  // right edge and its box's top 20 pixels up from the outer bottom edge,
  // counted inside the frame: x 500 and y 284 on the picture.
  const wxPoint inside(1, 1);
  const wxRect text = ChangedArea(splashPaint, picture, inside);
  ASSERT_FALSE(text.IsEmpty()) << "no version number drawn";
  EXPECT_GE(text.GetLeft(), 500 - 46);
  EXPECT_LE(text.GetRight(), 499);
  EXPECT_GE(text.GetRight(), 497) << "the text is right-aligned";
  EXPECT_GE(text.GetTop(), 284);
  EXPECT_LE(text.GetTop(), 284 + 6);
  EXPECT_LE(text.GetBottom(), 301);
  EXPECT_GE(text.width, 12);
  EXPECT_LT(Darkest(splashPaint, wxRect(text.GetPosition() + inside, text.GetSize())), 60)
      << "the text is black";

  // In the About window the same text lies 2 pixels higher on the picture.
  const wxRect aboutText = ChangedArea(aboutPaint, picture, inside);
  wxRect higher = text;
  higher.Offset(0, -2);
  EXPECT_EQ(aboutText, higher);

  // The strip under the picture is in the button face colour.
  const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
  std::set<std::tuple<int, int, int>> strip;
  for (int y = 303; y < 333; ++y)
    for (int x = 1; x < 503; ++x)
      strip.insert({aboutPaint.GetRed(x, y), aboutPaint.GetGreen(x, y), aboutPaint.GetBlue(x, y)});
  EXPECT_EQ(strip, (std::set<std::tuple<int, int, int>>{{face.Red(), face.Green(), face.Blue()}}));
}

TEST_F(SplashWindowTest, TitlePictureFitsA256ColourTableAndKeepsTheVersionCornerPlain)
{
  const wxImage picture = TitlePictureRows(0, TitlePictureSize().y);
  std::set<std::tuple<int, int, int>> colours;
  for (int y = 0; y < picture.GetHeight(); ++y)
    for (int x = 0; x < picture.GetWidth(); ++x)
      colours.insert({picture.GetRed(x, y), picture.GetGreen(x, y), picture.GetBlue(x, y)});
  EXPECT_LE(colours.size(), 256u);
  EXPECT_GT(colours.size(), 16u) << "the picture is more than a blank";

  // Where "1.01" goes, the picture is light and nearly even, so black
  // text reads well there.
  const wxRect corner(502 - 52, 302 - 24, 52, 24);
  EXPECT_GT(Darkest(picture, corner), 200);
}

class AboutCommand : public FrameFixture {
protected:
  void TearDown() override
  {
    CloseAll();
    FrameFixture::TearDown();
  }
};

TEST_F(AboutCommand, EachUseOpensAnotherAboutWindow)
{
  ASSERT_TRUE(NoneOpen());
  Command(ids::AppAbout);
  Command(ids::AppAbout);
  const std::vector<CSplashWindow*> open = CSplashWindow::OpenWindows();
  ASSERT_EQ(open.size(), 2u);
  EXPECT_NE(open[0], open[1]);
  for (CSplashWindow* about : open) {
    EXPECT_TRUE(about->IsAboutMode());
    EXPECT_TRUE(about->IsShown());
  }
  // The main window stays usable meanwhile, and closing it would end the
  // program with the About windows still open.
  EXPECT_TRUE(m_frame->IsEnabled());
  for (CSplashWindow* about : open) EXPECT_FALSE(about->ShouldPreventAppExit());

  // Each closes with its own OK.
  PressOk(open[0]);
  EXPECT_EQ(CSplashWindow::OpenWindows(), std::vector<CSplashWindow*>{open[1]});
  PressOk(open[1]);
  EXPECT_TRUE(NoneOpen());
  Flush();
  EXPECT_FALSE(AnyLeft());
}
