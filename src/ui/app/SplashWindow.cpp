#include "app/SplashWindow.h"

#include <algorithm>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/settings.h>

#include "app/Version.h"
#include "resources/AppImages.h"

namespace {

const wxString VersionText = TOVEL_VERSION;

// The window draws its own thin frame: toolkits differ in whether a
// borderless top-level window gets one. Inside the frame lie the picture
// and, in the About window, the strip under it, so the window measures the
// picture plus 2 pixels, plus the strip's 30 in the About window.
//
// The version number is placed from the window's outer lower right corner,
// in coordinates that start inside the frame: its right end 4 pixels in,
// its top 20 pixels up, lifted 32 more in the About window.
constexpr int VersionRightInset = 4;
constexpr int VersionTopInset = 20;
constexpr int AboutTextLift = 32;

// The title picture is drawn in bands of this many rows.
constexpr int TitleBandRows = 32;

// The OK button, 80 x 22, centred under the picture and 5 pixels below it.
constexpr int OkWidth = 80;
constexpr int OkHeight = 22;
constexpr int OkTopGap = 5;

} // namespace

int CSplashWindow::s_timerPeriod = CSplashWindow::DefaultTimerPeriod;

CSplashWindow::CSplashWindow(bool aboutMode) : m_aboutMode(aboutMode), m_timer(this) {}

wxSize CSplashWindow::PictureSize()
{
  return TitlePictureSize();
}

bool CSplashWindow::ShowSplash()
{
  const long style = wxBORDER_NONE | wxSTAY_ON_TOP | wxFRAME_NO_TASKBAR;
  if (!Create(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, style)) {
    delete this;
    return false;
  }
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  const wxSize picture = PictureSize();
  SetClientSize(picture.x + 2 * FrameWidth,
                picture.y + 2 * FrameWidth + (m_aboutMode ? StripHeight : 0));

  Bind(wxEVT_PAINT, &CSplashWindow::OnPaint, this);
  Bind(wxEVT_TIMER, &CSplashWindow::OnTimer, this, m_timer.GetId());
  Bind(wxEVT_CHAR_HOOK, &CSplashWindow::OnKeyDown, this);
  Bind(wxEVT_KEY_DOWN, &CSplashWindow::OnKeyDown, this);
  for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_MIDDLE_DOWN})
    Bind(type, &CSplashWindow::OnMouseDown, this);

  if (m_aboutMode) {
    m_okButton = new wxButton(
        this, wxID_OK, "OK",
        wxPoint(FrameWidth + picture.x / 2 - OkWidth / 2, FrameWidth + picture.y + OkTopGap),
        wxSize(OkWidth, OkHeight));
    m_okButton->SetDefault();
    m_okButton->Bind(wxEVT_BUTTON, &CSplashWindow::OnOk, this);
  } else {
    // With no control on it, the splash takes the keyboard itself, so that
    // a key pressed on it reaches it.
    SetCanFocus(true);
  }

  CentreOnScreen();
  Show();
  Update();
  if (!m_aboutMode) {
    SetFocus();
    m_timer.StartOnce(s_timerPeriod);
  }
  return true;
}

std::vector<CSplashWindow*> CSplashWindow::OpenWindows()
{
  std::vector<CSplashWindow*> open;
  for (wxWindow* window : wxTopLevelWindows) {
    auto* splash = dynamic_cast<CSplashWindow*>(window);
    if (splash && !splash->IsBeingDeleted() && !wxTheApp->IsScheduledForDestruction(splash))
      open.push_back(splash);
  }
  return open;
}

void CSplashWindow::PaintTo(wxDC& dc) const
{
  const wxSize window = GetClientSize();
  const wxSize picture = PictureSize();

  // The frame is black, as a thin window border classically is; what lies
  // inside covers the rest of this fill.
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(*wxBLACK_BRUSH);
  dc.DrawRectangle(0, 0, window.x, window.y);

  // Everything else lies inside the frame.
  dc.SetDeviceOrigin(FrameWidth, FrameWidth);
  dc.SetClippingRegion(0, 0, window.x - 2 * FrameWidth, window.y - 2 * FrameWidth);
  // The picture is made for each paint and let go at once: the window is
  // seldom painted more than once, and a kept copy would cost more memory
  // than the rest of the window. It is made and sent to the screen in
  // bands, so that every buffer on its way to the display holds one band,
  // not the whole picture, and the memory of one band serves the next.
  for (int top = 0; top < picture.y; top += TitleBandRows) {
    const wxImage band = TitlePictureRows(top, std::min(TitleBandRows, picture.y - top));
    if (band.IsOk()) dc.DrawBitmap(wxBitmap(band), 0, top);
  }

  if (m_aboutMode) {
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(face));
    dc.DrawRectangle(0, picture.y, window.x, StripHeight);
  }

  // "1.01" in black, its right end at the box's right edge and its top at
  // the box's top; the text is not clipped to the box.
  const int lift = m_aboutMode ? AboutTextLift : 0;
  dc.SetFont(GetFont());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(*wxBLACK);
  const wxSize text = dc.GetTextExtent(VersionText);
  const int right = window.x - VersionRightInset;
  const int top = window.y - lift - VersionTopInset;
  dc.DrawText(VersionText, right - text.x, top);

  dc.DestroyClippingRegion();
  dc.SetDeviceOrigin(0, 0);
}

void CSplashWindow::CloseSplash()
{
  m_timer.Stop();
  Destroy();
}

void CSplashWindow::OnPaint(wxPaintEvent&)
{
  wxPaintDC dc(this);
  PaintTo(dc);
}

void CSplashWindow::OnTimer(wxTimerEvent&)
{
  CloseSplash();
}

void CSplashWindow::OnKeyDown(wxKeyEvent& event)
{
  // The splash takes the first key for itself; the About window leaves keys
  // to its OK button.
  if (m_aboutMode)
    event.Skip();
  else
    CloseSplash();
}

void CSplashWindow::OnMouseDown(wxMouseEvent& event)
{
  if (m_aboutMode)
    event.Skip();
  else
    CloseSplash();
}

void CSplashWindow::OnOk(wxCommandEvent&)
{
  CloseSplash();
}
