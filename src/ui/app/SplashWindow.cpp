#include "app/SplashWindow.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/image.h>
#include <wx/settings.h>

#include "resources/TitlePicture.h"

namespace {

const wxString VersionText = "1.01";

// The version number's box, 46 pixels wide, its right edge and top inset
// from the client area's lower right corner, and lifted over the About
// window's strip; the text is right-aligned in it.
constexpr int VersionRightInset = 4;
constexpr int VersionTopInset = 20;
constexpr int AboutTextLift = 32;

constexpr int OkWidth = 80;
constexpr int OkHeight = 22;
constexpr int OkTopGap = 5;

// The title picture, decoded once: every About window shows it again.
const wxImage& TitlePicture()
{
  static const wxImage picture(TitlePictureXpm);
  return picture;
}

} // namespace

int CSplashWindow::s_timerPeriod = CSplashWindow::DefaultTimerPeriod;

CSplashWindow::CSplashWindow(bool aboutMode)
    : m_aboutMode(aboutMode), m_timer(this), m_picture(TitlePicture())
{
}

wxSize CSplashWindow::PictureSize()
{
  return TitlePicture().GetSize();
}

bool CSplashWindow::ShowSplash()
{
  const long style = wxBORDER_SIMPLE | wxSTAY_ON_TOP | wxFRAME_NO_TASKBAR;
  if (!Create(nullptr, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, style)) {
    delete this;
    return false;
  }
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  const wxSize picture = PictureSize();
  SetClientSize(picture.x, picture.y + (m_aboutMode ? StripHeight : 0));

  Bind(wxEVT_PAINT, &CSplashWindow::OnPaint, this);
  Bind(wxEVT_TIMER, &CSplashWindow::OnTimer, this, m_timer.GetId());
  Bind(wxEVT_CHAR_HOOK, &CSplashWindow::OnKeyDown, this);
  Bind(wxEVT_KEY_DOWN, &CSplashWindow::OnKeyDown, this);
  for (const auto& type : {wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_MIDDLE_DOWN})
    Bind(type, &CSplashWindow::OnMouseDown, this);

  if (m_aboutMode) {
    m_okButton = new wxButton(this, wxID_OK, "OK",
                              wxPoint(picture.x / 2 - OkWidth / 2, picture.y + OkTopGap),
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
  const wxSize client = GetClientSize();
  if (m_picture.IsOk()) dc.DrawBitmap(m_picture, 0, 0);

  if (m_aboutMode) {
    const int pictureHeight = client.y - StripHeight;
    const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(face));
    dc.DrawRectangle(0, pictureHeight, client.x, StripHeight);
  }

  // "1.01" in black, its right end at the box's right edge and its top at
  // the box's top; the text is not clipped to the box.
  const int lift = m_aboutMode ? AboutTextLift : 0;
  dc.SetFont(GetFont());
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  dc.SetTextForeground(*wxBLACK);
  const wxSize text = dc.GetTextExtent(VersionText);
  const int right = client.x - VersionRightInset;
  const int top = client.y - lift - VersionTopInset;
  dc.DrawText(VersionText, right - text.x, top);
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
