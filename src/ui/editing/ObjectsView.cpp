#include "editing/ObjectsView.h"

#include <algorithm>
#include <cmath>

#include <wx/control.h>
#include <wx/dcclient.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include "app/ModelText.h"
#include "bitmaps/PictureLoading.h"
#include "editing/DirectPaint.h"
#include "editing/ItemKeys.h"
#include "editing/ItemListGeometry.h"
#include "model/LeadingNumber.h"
#include "model/Tovel.h"

namespace {

// The mouse wheel and the scroll bar arrows move the list by this many
// pixels a step.
constexpr int ScrollStep = 10;

const wxColour LightGrey(192, 192, 192);

wxRect ToWxRect(const Rect& r)
{
  return {r.Left, r.Top, r.Width(), r.Height()};
}

Rect Shrunk(const Rect& r, int by)
{
  return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by};
}

void FillRect(wxDC& dc, const wxRect& r, const wxColour& colour)
{
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(wxBrush(colour));
  dc.DrawRectangle(r);
}

// The system font, made smaller where it is too tall for the header band
// or the widest label too wide for its column, so that the labels are not
// cut. A face that does not scale (the bitmap "System" font of Windows)
// gives way to the dialog font, which does.
wxFont HeaderFont(const wxDC& dc, int columnWidth)
{
  wxFont font = wxSystemSettings::GetFont(wxSYS_SYSTEM_FONT);
  wxSize previous;
  for (int attempt = 0; attempt <= MaxHeaderFontSteps; ++attempt) {
    wxCoord width = 0;
    wxCoord height = 0;
    dc.GetTextExtent("on/fd", &width, &height, nullptr, nullptr, &font);
    const int steps = HeaderFontSteps(width, height, columnWidth);
    if (steps == 0) break;
    if (wxSize(width, height) == previous) {
      // This font does not get any smaller.
      font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
      previous = wxSize();
      continue;
    }
    // The first measurement of a font says how far it must shrink: going
    // there at once loads one more font size, not every size on the way
    // (about a millisecond each, while the window first appears).
    const int shrink = previous == wxSize() ? steps : 1;
    previous = wxSize(width, height);
    font.SetFractionalPointSize(font.GetFractionalPointSize() * std::pow(HeaderFontShrink, shrink));
  }
  return font;
}

// A black line one pixel high from x 0 to width, every pixel of it solid.
void DrawRule(wxDC& dc, int y, int width)
{
  FillRect(dc, wxRect(0, y, width, 1), *wxBLACK);
}

// One line of text centred both ways in r and kept inside it.
void DrawCentred(wxDC& dc, const wxString& text, const wxRect& r)
{
  wxDCClipper clip(dc, r);
  const wxSize extent = dc.GetTextExtent(text);
  dc.DrawText(text, r.x + (r.width - extent.x) / 2, r.y + (r.height - extent.y) / 2);
}

// A row number as the list shows it: at least two digits.
wxString TwoDigits(int number)
{
  if (number < 0 || number > 99) return wxString::Format("%02d", number);
  const wchar_t digits[2] = {static_cast<wchar_t>(L'0' + number / 10),
                             static_cast<wchar_t>(L'0' + number % 10)};
  return wxString(digits, 2);
}

// The fill of a row: the highlight colour for the current item.
wxColour RowFill(int row)
{
  return row == CurrentItem ? wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT) : LightGrey;
}

// The colour of text on a push-button face: black as long as the theme's
// faces are light, the theme's own button text on dark faces.
wxColour ButtonTextColour()
{
  const wxColour face = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
  return face.GetLuminance() < 0.5 ? wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT) : *wxBLACK;
}

// The slot a picture entry names, or -1 when the cell stays empty: a
// negative number, or a slot beyond the bitmaps in use.
int EntrySlot(const std::string& entry)
{
  const int slot = LeadingNumber(entry);
  return slot >= 0 && slot < BitmapCount && slot < MaxBitmaps ? slot : -1;
}

} // namespace

CObjectsView::CObjectsView(wxWindow* parent)
    : wxScrolledCanvas(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                       wxVSCROLL | wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS)
{
  // Every pixel is painted by PaintTo; nothing is erased beforehand, so
  // rows do not flicker when they repaint.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetScrollRate(0, ScrollStep);
  Bind(wxEVT_SIZE, &CObjectsView::OnSize, this);
  Bind(wxEVT_LEFT_DOWN, &CObjectsView::OnLeftDown, this);
  Bind(wxEVT_KEY_DOWN, &CObjectsView::OnKeyDown, this);
  Bind(wxEVT_SYS_COLOUR_CHANGED, &CObjectsView::OnSysColourChanged, this);
  UpdateItemListExtent();
}

void CObjectsView::RecomputeRowHeight()
{
  const int scrollBar = std::max(0, wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, this));
  const int height = ItemListRowHeight(GetSize().x, scrollBar);
  if (height != m_rowHeight) {
    m_rowHeight = height;
    Refresh(false);
  }
  UpdateItemListExtent();
}

void CObjectsView::UpdateItemListExtent()
{
  // No width: the columns fill the pane and it never scrolls sideways.
  SetVirtualSize(0, ItemListExtent(m_rowHeight, ItemCount));
}

int CObjectsView::ScrollPosition() const
{
  return CalcUnscrolledPosition(wxPoint(0, 0)).y;
}

void CObjectsView::InvalidateItemRow(int i)
{
  const Rect band = ItemRowBand(i, m_rowHeight, GetClientSize().x, ScrollPosition());
  RefreshRect(ToWxRect(band), false);
}

void CObjectsView::RedrawItemRow(int i)
{
  const Rect band = ItemRowBand(i, m_rowHeight, GetClientSize().x, 0);
  const auto paint = [this](wxDC& dc, const Rect& shown) { PaintTo(dc, &shown); };
  if (!PaintDirectly(*this, band, paint)) InvalidateItemRow(i);
}

void CObjectsView::DrawButtonFrame(wxDC& dc, const Rect& cell, int row, bool pushed, bool crossed)
{
  const wxSize size(cell.Width(), cell.Height());
  if (size.x <= 0 || size.y <= 0) return;
  const wxColour fill = RowFill(row);
  const wxBitmap& frame = m_buttonFrames.Get({size, pushed, crossed, fill}, [&] {
    return DrawnBitmap(size, fill, [&](wxDC& memory) {
      wxRendererNative::Get().DrawPushButton(this, memory, wxRect(size),
                                             pushed ? int{wxCONTROL_PRESSED} : 0);
      if (!crossed) return;
      const Rect cross = Shrunk({0, 0, size.x, size.y}, 2);
      memory.SetPen(wxPen(ButtonTextColour()));
      memory.DrawLine(cross.Left, cross.Top, cross.Right, cross.Bottom);
      memory.DrawLine(cross.Right, cross.Top, cross.Left, cross.Bottom);
    });
  });
  dc.DrawBitmap(frame, cell.Left, cell.Top, false);
}

void CObjectsView::DrawRowNumber(wxDC& dc, int row, const Rect& space, const wxColour& colour)
{
  const wxColour fill = RowFill(row);
  const wxSize room(space.Width(), space.Height());
  // Laid out once and kept: laying out even two digits costs more than the
  // rest of the row.
  const wxBitmap& label = m_rowNumbers.Get({row, room, colour, fill}, [&] {
    const wxString text = TwoDigits(row);
    const wxSize extent = dc.GetTextExtent(text);
    // Cut to the room, so that the label's fill never covers the rule below
    // a low row.
    const wxSize size(std::min(extent.x, room.x), std::min(extent.y, room.y));
    if (size.x <= 0 || size.y <= 0) return wxBitmap();
    return DrawnBitmap(size, fill, [&](wxDC& memory) {
      memory.SetFont(dc.GetFont());
      memory.SetTextForeground(colour);
      memory.DrawText(text, 0, 0);
    });
  });
  if (label.IsOk()) dc.DrawBitmap(label, space.Left, space.Top, false);
}

void CObjectsView::OnSysColourChanged(wxSysColourChangedEvent& event)
{
  // Another desktop theme: the frames are drawn anew.
  m_buttonFrames.Clear();
  m_rowNumbers.Clear();
  Refresh(false);
  event.Skip();
}

void CObjectsView::TovelChanged(const TovelChange& change)
{
  switch (change.What) {
  case TovelChange::ItemEdited:
    InvalidateItemRow(change.Item);
    break;
  case TovelChange::StateShown:
    // A preview is shown before the next event is handled.
    RedrawItemRow(change.Item);
    break;
  case TovelChange::ItemsSwapped:
  case TovelChange::Selected:
    InvalidateItemRow(change.Item);
    InvalidateItemRow(change.Other);
    break;
  case TovelChange::ItemsAdded:
  case TovelChange::ItemErased:
  case TovelChange::Bitmaps:
  case TovelChange::Replaced:
    UpdateItemListExtent();
    Refresh(false);
    break;
  case TovelChange::Links:
    break;
  }
}

void CObjectsView::OnSize(wxSizeEvent& event)
{
  RecomputeRowHeight();
  event.Skip();
}

void CObjectsView::OnDraw(wxDC& dc)
{
  // A row's repaint leaves the other rows as they are on screen.
  const wxRect update = GetUpdateRegion().GetBox();
  const wxPoint topLeft = CalcUnscrolledPosition(update.GetTopLeft());
  const Rect area{topLeft.x, topLeft.y, topLeft.x + update.width, topLeft.y + update.height};
  PaintTo(dc, &area);
}

void CObjectsView::PaintTo(wxDC& dc, const Rect* area)
{
  wxDCPenChanger keepPen(dc, *wxBLACK_PEN);
  wxDCBrushChanger keepBrush(dc, *wxTRANSPARENT_BRUSH);
  wxDCFontChanger keepFont(dc, wxSystemSettings::GetFont(wxSYS_SYSTEM_FONT));
  wxDCTextColourChanger keepColour(dc, *wxBLACK);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);

  const wxSize client = GetClientSize();
  if (!area || area->Top < ItemListHeaderHeight) PaintHeader(dc, client.x);
  // The rows tile the list below the header, each filling its whole band,
  // so a row that does not meet the area leaves no pixel in it.
  int first = 0;
  int end = ItemCount;
  if (area) {
    const int h = m_rowHeight;
    first = std::max(0, (area->Top - ItemListHeaderHeight) / h);
    end = area->Bottom <= ItemListHeaderHeight
              ? 0
              : std::min(ItemCount, (area->Bottom - ItemListHeaderHeight + h - 1) / h);
  }
  for (int row = first; row < end; ++row) PaintRow(dc, row, client.x);

  const int listBottom = ItemListExtent(m_rowHeight, ItemCount);
  const int visibleBottom = ScrollPosition() + client.y;
  if (visibleBottom > listBottom) {
    FillRect(dc, wxRect(0, listBottom, client.x, visibleBottom - listBottom),
             wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
  }
}

void CObjectsView::PaintHeader(wxDC& dc, int width)
{
  FillRect(dc, wxRect(0, 0, width, ItemListHeaderHeight), LightGrey);
  DrawRule(dc, ItemListHeaderHeight - 1, width);

  // The picture columns: off, on (or forward for a motor), off, reverse.
  static const wxString labels[4] = {"off", "on/fd", "off", "rev"};
  wxDCFontChanger labelFont(dc, HeaderFont(dc, HeaderLabelRect(1, m_rowHeight).Width()));
  dc.SetTextForeground(*wxBLACK);
  for (int column = 0; column < 4; ++column) {
    DrawCentred(dc, labels[column], ToWxRect(HeaderLabelRect(column, m_rowHeight)));
  }
}

void CObjectsView::PaintRow(wxDC& dc, int row, int width)
{
  const int h = m_rowHeight;
  const TovelItem& item = ItemTable[row];
  const bool current = row == CurrentItem;
  const Rect fill = ItemRowRect(row, h, width);
  FillRect(dc, ToWxRect(fill), RowFill(row));
  DrawRule(dc, fill.Bottom, width);

  DrawRowNumber(dc, row, {fill.Left + 2, fill.Top + 2, fill.Right, fill.Bottom},
                current ? *wxWHITE : *wxBLACK);

  DrawButtonFrame(dc, HideCellRect(row, h), row, item.State == -1, true);

  if (item.Flags & FlagText) {
    const Rect cell = TextCellRect(row, h);
    DrawButtonFrame(dc, cell, row, item.State == 0);
    const wxRect inside = ToWxRect(Shrunk(cell, 2));
    dc.SetTextForeground(ButtonTextColour());
    const wxString text = wxControl::Ellipsize(ToWx(item.Contents[0]), dc, wxELLIPSIZE_END,
                                               inside.width, wxELLIPSIZE_FLAGS_NONE);
    DrawCentred(dc, text, inside);
    return;
  }
  for (int column = 0; column < 4; ++column) PaintPictureCell(dc, row, column);
}

void CObjectsView::PaintPictureCell(wxDC& dc, int row, int column)
{
  const TovelItem& item = ItemTable[row];
  const Rect cell = PictureCellRect(row, column, m_rowHeight);
  DrawButtonFrame(dc, cell, row, item.State == column);

  const int slot = EntrySlot(item.Contents[column]);
  const Rect target = Shrunk(cell, 2);
  if (slot < 0 || target.IsEmpty()) return;
  // Previews are stretched smoothly, and only once per picture and size.
  const wxBitmap* picture = SlotPreview(slot, {target.Width(), target.Height()});
  if (picture) dc.DrawBitmap(*picture, target.Left, target.Top, false);
}

void CObjectsView::OnLeftDown(wxMouseEvent& event)
{
  SetFocus();
  event.Skip();
  const int previous = CurrentItem;
  const ItemListPress press =
      PressItemList(event.GetX(), event.GetY(), ScrollPosition(), m_rowHeight);
  if (press.SelectionChanged) AnnounceTovelChange({TovelChange::Selected, press.Row, previous, {}});
  if (press.StateChanged)
    AnnounceTovelChange({TovelChange::StateShown, press.Row, -1, press.Before});
}

void CObjectsView::OnKeyDown(wxKeyEvent& event)
{
  // The arrow keys act on the current item here as in the tovel view, and
  // then do not scroll the list.
  if (!ItemKeyDown(event.GetKeyCode(), event.ShiftDown())) event.Skip();
}
