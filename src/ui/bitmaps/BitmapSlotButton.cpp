#include "bitmaps/BitmapSlotButton.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include "app/ModelText.h"
#include "bitmaps/PictureLoading.h"
#include "model/Tovel.h"

namespace {

// The height of the band under the picture that holds the bitmap's name.
constexpr int LabelBand = 21;

} // namespace

CBitmapSlotButton::CBitmapSlotButton(wxWindow* parent, wxWindowID id, int slot, const wxPoint& pos,
                                     const wxSize& size)
    : m_slot(slot)
{
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Create(parent, id, pos, size, wxBORDER_NONE | wxTAB_TRAVERSAL);
  // The caption names the slot, as the dialog's layout gives it.
  SetLabel(wxString::Format("%d", slot));
  Bind(wxEVT_PAINT, &CBitmapSlotButton::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, &CBitmapSlotButton::OnMouseDown, this);
  Bind(wxEVT_LEFT_DCLICK, &CBitmapSlotButton::OnMouseDown, this);
  Bind(wxEVT_KEY_DOWN, &CBitmapSlotButton::OnKeyDown, this);
  Bind(wxEVT_SET_FOCUS, &CBitmapSlotButton::OnFocusChange, this);
  Bind(wxEVT_KILL_FOCUS, &CBitmapSlotButton::OnFocusChange, this);
}

bool CBitmapSlotButton::ShowsBitmap() const
{
  return m_slot < BitmapCount;
}

void CBitmapSlotButton::SetChecked(bool checked)
{
  if (checked == m_checked) return;
  m_checked = checked;
  Refresh();
}

void CBitmapSlotButton::Click()
{
  wxCommandEvent event(wxEVT_BUTTON, GetId());
  event.SetEventObject(this);
  ProcessWindowEvent(event);
}

wxSize CBitmapSlotButton::DoGetBestClientSize() const
{
  return m_slot < 0 ? wxSize(120, 24) : wxSize(60, 48);
}

void CBitmapSlotButton::Draw(wxDC& dc)
{
  const wxSize size = GetClientSize();
  const int w = size.x;
  const int h = size.y;
  // An empty slot is blank: only the dialog's background shows.
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(GetParent()->GetBackgroundColour()));
  dc.DrawRectangle(0, 0, w, h);
  if (!ShowsBitmap() || w < 3 || h < 3) return;

  // The 1-pixel black frame: the whole button black, the inside painted
  // over (filled rectangles stay crisp where lines may be smoothed).
  dc.SetBrush(*wxBLACK_BRUSH);
  dc.DrawRectangle(0, 0, w, h);

  const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
  wxRect label(1, 1, w - 2, h - 2);
  if (m_slot >= 0) {
    label = wxRect(1, h - LabelBand, w - 2, LabelBand - 1);
    const wxSize pictureSize(w - 2, h - LabelBand - 1);
    dc.SetBrush(wxBrush(face));
    dc.DrawRectangle(wxRect(wxPoint(1, 1), pictureSize));
    if (const wxBitmap* picture = SlotPreview(m_slot, pictureSize))
      dc.DrawBitmap(*picture, 1, 1);
  }

  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(m_checked ? wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT) : face));
  dc.DrawRectangle(label);
  dc.SetTextForeground(
      wxSystemSettings::GetColour(m_checked ? wxSYS_COLOUR_HIGHLIGHTTEXT : wxSYS_COLOUR_BTNTEXT));
  dc.SetFont(GetFont());
  const wxString name =
      m_slot < 0 ? wxString("None") : ToWx(BitmapNames[static_cast<std::size_t>(m_slot)]);
  const wxRect textRect = wxRect(label).Deflate(2, 0);
  const wxString shown =
      wxControl::Ellipsize(name, dc, wxELLIPSIZE_MIDDLE, textRect.width, wxELLIPSIZE_FLAGS_NONE);
  dc.DrawLabel(shown, textRect, wxALIGN_CENTER);
  if (HasFocus()) wxRendererNative::Get().DrawFocusRect(this, dc, wxRect(label).Deflate(1));
}

void CBitmapSlotButton::OnPaint(wxPaintEvent&)
{
  wxAutoBufferedPaintDC dc(this);
  Draw(dc);
}

void CBitmapSlotButton::OnMouseDown(wxMouseEvent&)
{
  if (!IsEnabled() || !ShowsBitmap()) return;
  SetFocus();
  Click();
}

void CBitmapSlotButton::OnKeyDown(wxKeyEvent& event)
{
  if (event.GetKeyCode() == WXK_SPACE && ShowsBitmap()) {
    Click();
    return;
  }
  event.Skip();
}

void CBitmapSlotButton::OnFocusChange(wxFocusEvent& event)
{
  Refresh();
  event.Skip();
}
