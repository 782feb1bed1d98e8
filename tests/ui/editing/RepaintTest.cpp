// After every kind of change, what the tovel view and the item list show on
// screen must be exactly what a full repaint of the same tables shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <wx/checkbox.h>
#include <wx/image.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "app/MainFrame.h"
#include "bitmaps/PictureLoading.h"
#include "editing/ItemKeys.h"
#include "editing/ItemListGeometry.h"
#include "editing/ItemPropertiesWindow.h"
#include "editing/NewItemDialog.h"
#include "editing/ObjectsView.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "resources/ResourceIds.h"
#include "support/DialogExpectations.h"
#include "support/FrameFixture.h"
#include "support/PictureImages.h"

// Last: the X11 headers define names (None, Bool, Status) that others use.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

class Repaint : public FrameFixture, public ::testing::WithParamInterface<int> {
protected:
  void SetUp() override
  {
    FrameFixture::SetUp();
    ShowLargeOnScreen();
    m_view = m_frame->GetTovelView();
    m_list = m_frame->GetObjectsView();
    m_view->Bind(wxEVT_PAINT, &Repaint::CountPaint, this);
    m_list->Bind(wxEVT_PAINT, &Repaint::CountPaint, this);
    m_view->SetZoom(GetParam());
    // Pictures larger and smaller than the items that show them, and texts
    // wider than their boxes.
    Picture(0, 60, 80, *wxRED);
    Picture(1, 20, 20, *wxBLUE);
    Picture(2, 90, 30, *wxGREEN);
    ItemCount = 4;
    ItemTable[0] = {20, 100, 50, 120, FlagFastRedraw, 0, {"0", "1", "2", "-1"}};
    ItemTable[1] = {
        150, 50, 170, 60, FlagText, 0, {"A reading far wider than its box", "", "", ""}};
    ItemTable[2] = {200,
                    200,
                    260,
                    221,
                    FlagText | FlagFilled | FlagYellow,
                    0,
                    {"Label with a long text", "-1", "-1", "-1"}};
    ItemTable[3] = {250, 100, 260, 110, 0, 0, {"2", "0", "-1", "-1"}};
    m_frame->Refresh();
    Settle();
  }

  static void Picture(int slot, int width, int height, const wxColour& colour)
  {
    wxImage image(width, height);
    image.SetRGB(wxRect(0, 0, width, height), colour.Red(), colour.Green(), colour.Blue());
    // A dark corner pixel shows whether a picture is cut.
    image.SetRGB(0, 0, 0, 0, 0);
    BitmapImages[slot].Bitmap = PictureOf(image);
    BitmapImages[slot].Width = width;
    BitmapImages[slot].Height = height;
    BitmapNames[slot] = "pics\\p" + std::to_string(slot) + ".bmp";
    BitmapCount = std::max(BitmapCount, slot + 1);
  }

  // Lets every pending repaint reach the screen: the display paints on
  // its own clock, so this waits until it has stopped painting a while.
  void Settle()
  {
    int quiet = 0;
    for (int round = 0; round < 400 && quiet < 8; ++round) {
      const int painted = m_paints;
      wxYield();
      Flush();
      wxMilliSleep(5);
      quiet = m_paints == painted ? quiet + 1 : 0;
    }
  }

  void CountPaint(wxPaintEvent& event)
  {
    ++m_paints;
    event.Skip();
  }

  // What the display shows in a pane's client area, read back from the
  // X server: rows of pixels, each `m_rowBytes` long.
  std::vector<char> OnScreen(wxWindow* pane)
  {
    const wxSize size = pane->GetClientSize();
    const wxPoint corner = pane->ClientToScreen(wxPoint(0, 0));
    auto* display = static_cast<Display*>(wxGetX11Display());
    XSync(display, False);
    XImage* shot = XGetImage(display, DefaultRootWindow(display), corner.x, corner.y, size.x,
                             size.y, AllPlanes, ZPixmap);
    if (!shot) return {};
    m_rowBytes = shot->bytes_per_line;
    m_pixelBytes = shot->bits_per_pixel / 8;
    std::vector<char> pixels(shot->data,
                             shot->data + std::ptrdiff_t{shot->bytes_per_line} * size.y);
    XDestroyImage(shot);
    return pixels;
  }

  // Whether the pane on screen, as the change left it, equals a full
  // repaint.
  ::testing::AssertionResult MatchesFullRepaint(wxWindow* pane)
  {
    Settle();
    const std::vector<char> shown = OnScreen(pane);
    const int before = m_paints;
    pane->Refresh();
    Settle();
    if (m_paints == before) return ::testing::AssertionFailure() << "the pane was not repainted";
    const std::vector<char> truth = OnScreen(pane);
    if (truth.empty()) return ::testing::AssertionFailure() << "the screen could not be read";
    const auto [stale, _] = std::mismatch(shown.begin(), shown.end(), truth.begin(), truth.end());
    if (stale == shown.end() && shown.size() == truth.size()) return ::testing::AssertionSuccess();
    const auto at = std::distance(shown.begin(), stale);
    return ::testing::AssertionFailure()
           << "the first stale pixel is at " << at % m_rowBytes / std::max(m_pixelBytes, 1) << ","
           << at / m_rowBytes;
  }

  void Mouse(wxEventType type, int x, int y)
  {
    const int zoom = m_view->ZoomLevel();
    wxMouseEvent event(type);
    event.SetPosition(
        m_view->CalcScrolledPosition(m_view->PageOrigin() + wxPoint(x * zoom, y * zoom)));
    event.SetEventObject(m_view);
    m_view->ProcessWindowEvent(event);
  }

  void Drag(int item, int dx, int dy)
  {
    m_frame->SelectItem(item);
    const int x = ItemTable[item].Left + 1;
    const int y = ItemTable[item].Top + 1;
    Mouse(wxEVT_LEFT_DOWN, x, y);
    Mouse(wxEVT_MOTION, x + dx / 2, y + dy / 2);
    Mouse(wxEVT_LEFT_UP, x + dx, y + dy);
  }

  void Keys(int item, int code, bool shift, int times)
  {
    m_frame->SelectItem(item);
    for (int i = 0; i < times; ++i) ItemKeyDown(code, shift);
  }

  // Presses a cell of the item list: column 0 is the hide cell, 1 to 4
  // the state cells.
  void PressCell(int item, int column)
  {
    const int h = m_list->RowHeight();
    const Rect cell = HideCellRect(item, h);
    wxMouseEvent event(wxEVT_LEFT_DOWN);
    event.SetPosition(wxPoint(cell.Left + column * h + h / 2 - 2, cell.Top + 6));
    event.SetEventObject(m_list);
    m_list->ProcessWindowEvent(event);
  }

  CItemPropertiesWindow* Properties(int item)
  {
    m_frame->SelectItem(item);
    // Edited while hidden, so that it covers none of the view.
    m_frame->ShowPropertiesWindow();
    m_frame->HidePropertiesWindow();
    return m_frame->GetPropertiesWindow();
  }

  void Tick(int item, int id, bool on)
  {
    wxCheckBox* box = Properties(item)->GetCheckBox(id);
    box->SetValue(on);
    wxCommandEvent event(wxEVT_CHECKBOX, id);
    event.SetInt(on);
    event.SetEventObject(box);
    box->ProcessWindowEvent(event);
  }

  CTovelView* m_view = nullptr;
  CObjectsView* m_list = nullptr;
  int m_paints = 0;
  int m_rowBytes = 1;
  int m_pixelBytes = 4;
};

} // namespace

TEST_P(Repaint, EveryChangeLeavesTheScreenAsAFullRepaintWould)
{
  const std::vector<std::pair<std::string, std::function<void()>>> changes = {
      {"state preview, smaller picture over a larger one", [&] { PressCell(0, 2); }},
      {"state preview, a wider picture", [&] { PressCell(0, 3); }},
      {"state preview, back to the tall picture", [&] { PressCell(0, 1); }},
      {"state preview, hidden", [&] { PressCell(0, 0); }},
      {"state preview, shown again", [&] { PressCell(0, 1); }},
      {"arrow keys move an overflowing text", [&] { Keys(1, WXK_LEFT, false, 3); }},
      {"shift and arrow keys size it", [&] { Keys(1, WXK_RIGHT, true, 4); }},
      {"arrow keys move a large picture", [&] { Keys(0, WXK_DOWN, false, 2); }},
      {"shift and arrow keys size it inside out", [&] { Keys(0, WXK_LEFT, true, 40); }},
      {"and back", [&] { Keys(0, WXK_RIGHT, true, 40); }},
      {"a drag moves a large picture", [&] { Drag(0, 37, -23); }},
      {"a drag moves a text", [&] { Drag(1, -30, 40); }},
      {"move down",
       [&] {
         m_frame->SelectItem(0);
         Command(ids::MoveDown);
       }},
      {"state preview of a picture over a text", [&] { PressCell(1, 3); }},
      {"typed left edge", [&] { Properties(2)->GetEdit(ids::PropertiesLeft)->SetValue("150"); }},
      {"typed text", [&] { Properties(2)->GetEdit(ids::PropertiesText)->SetValue("x"); }},
      {"filled off", [&] { Tick(2, ids::PropertiesFilled, false); }},
      {"labels hidden", [&] { Command(ids::ShowLabels); }},
      {"is a label, ticked while labels are hidden", [&] { Tick(2, ids::PropertiesLabel, true); }},
      {"labels shown", [&] { Command(ids::ShowLabels); }},
      {"new label",
       [&] {
         wxTEST_DIALOG(Command(ids::NewItem), ExpectDialog<CNewItemDialog>([](CNewItemDialog* d) {
                         return d->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
                       }));
       }},
      {"erase a large picture",
       [&] {
         m_frame->SelectItem(3);
         wxTEST_DIALOG(Command(ids::Erase), wxExpectModal<wxMessageDialog>(wxID_OK));
       }},
  };
  for (const auto& [name, change] : changes) {
    change();
    EXPECT_TRUE(MatchesFullRepaint(m_view)) << name << " at zoom " << GetParam();
    EXPECT_TRUE(MatchesFullRepaint(m_list)) << name << ", item list, at zoom " << GetParam();
  }
}

INSTANTIATE_TEST_SUITE_P(Zooms, Repaint, ::testing::Values(1, 3));
