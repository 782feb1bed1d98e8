#include "WindowBench.h"

#include <wx/app.h>
#include <wx/splitter.h>
#include <wx/utils.h>

#include "Measure.h"
#include "app/MainFrame.h"
#include "bitmaps/PictureLoading.h"
#include "editing/DirectPaint.h"
#include "editing/ObjectsView.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"
#include "resources/ResourceIds.h"

ShownMainWindow::ShownMainWindow() : m_frame(new CMainFrame)
{
  m_frame->GetTovelView()->Bind(wxEVT_PAINT, [this](wxPaintEvent& event) {
    ++m_viewPaints;
    event.Skip();
  });
  // A fast-redraw item is drawn straight onto the window, without a paint.
  m_frame->GetTovelView()->Bind(EVT_DIRECT_PAINT, [this](DirectPaintEvent& event) {
    ++m_viewPaints;
    event.Skip();
  });
  m_frame->GetObjectsView()->Bind(wxEVT_PAINT, [this](wxPaintEvent& event) {
    ++m_listPaints;
    event.Skip();
  });
  m_frame->Maximize();
  m_frame->Show();
  for (int i = 0; i < 100 && !m_frame->GetTovelView()->IsShownOnScreen(); ++i) {
    wxYield();
    wxMilliSleep(5);
  }
  m_frame->SetSize(0, 0, 1280, 1024);
  Settle();
}

ShownMainWindow::~ShownMainWindow()
{
  m_frame->Destroy();
  wxTheApp->ProcessPendingEvents();
}

wxSize ShownMainWindow::ViewSize() const
{
  return m_frame->GetTovelView()->GetSize();
}

void ShownMainWindow::Settle()
{
  int quiet = 0;
  for (int round = 0; round < 400 && quiet < 4; ++round) {
    const int painted = m_viewPaints;
    wxYield();
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
    wxMilliSleep(3);
    quiet = m_viewPaints == painted ? quiet + 1 : 0;
  }
}

void ShownMainWindow::PaintNow()
{
  m_frame->GetObjectsView()->Update();
  m_frame->GetTovelView()->Update();
  WaitForDisplay();
}

void ShownMainWindow::Command(int id)
{
  wxCommandEvent event(wxEVT_MENU, id);
  event.SetEventObject(m_frame);
  m_frame->ProcessWindowEvent(event);
}

bool ShownMainWindow::Open(const std::filesystem::path& tovel, int pictureWidth, int pictureHeight)
{
  if (!m_frame->ReadTovel(tovel)) return false;
  PaintNow();
  Settle();
  for (int slot = 0; slot < BitmapCount; ++slot)
    if (BitmapImages[slot].Width != pictureWidth || BitmapImages[slot].Height != pictureHeight)
      return false;
  return BitmapCount == MaxBitmaps && ItemCount == MaxItems;
}

void ShownMainWindow::ZoomTo(int zoom)
{
  CTovelView* view = m_frame->GetTovelView();
  while (view->ZoomLevel() < zoom) Command(ids::ZoomIn);
  while (view->ZoomLevel() > zoom) Command(ids::ZoomOut);
  PaintNow();
  Settle();
}

double ShownMainWindow::FullRepaint(bool cold)
{
  CTovelView* view = m_frame->GetTovelView();
  Settle();
  if (cold) ReleaseStretchedPictures();
  const int before = m_viewPaints;
  const Stopwatch clock;
  view->Refresh();
  view->Update();
  WaitForDisplay();
  const double ms = clock.Ms();
  if (m_viewPaints == before) ++m_unpainted;
  return ms;
}

double ShownMainWindow::PanesRepaint()
{
  Settle();
  const int views = m_viewPaints;
  const int lists = m_listPaints;
  const Stopwatch clock;
  m_frame->GetObjectsView()->Refresh();
  m_frame->GetTovelView()->Refresh();
  PaintNow();
  const double ms = clock.Ms();
  if (m_viewPaints == views || m_listPaints == lists) ++m_unpainted;
  return ms;
}

void ShownMainWindow::ShowState(int item, int state)
{
  const TovelItem before = ItemTable[item];
  ItemTable[item].State = state;
  AnnounceTovelChange({TovelChange::StateShown, item, -1, before});
  WaitForDisplay();
}

double ShownMainWindow::ItemRedraw(int item)
{
  // Both states are shown once untimed, so that their pictures are
  // stretched, in the tovel view and in the item list, as they are for a
  // user going back and forth between them: the full repaint this is set
  // against is warm too, and a cold one drops the item list's pictures.
  const int shown = ItemTable[item].State;
  const int other = shown == 0 ? 1 : 0;
  ShowState(item, other);
  ShowState(item, shown);
  Settle();
  const int paints = m_viewPaints;
  const Stopwatch clock;
  ShowState(item, other);
  const double ms = clock.Ms();
  if (m_viewPaints == paints) ++m_unpainted;
  return ms;
}

void ShownMainWindow::ShowItemList(bool shown)
{
  wxSplitterWindow* splitter = m_frame->GetSplitter();
  if (!shown && splitter->IsSplit()) {
    m_sash = splitter->GetSashPosition();
    splitter->Unsplit(m_frame->GetObjectsView());
  } else if (shown && !splitter->IsSplit()) {
    m_frame->GetObjectsView()->Show();
    splitter->SplitVertically(m_frame->GetObjectsView(), m_frame->GetTovelView(), m_sash);
  }
  PaintNow();
  Settle();
}

double ShownMainWindow::TimedOpen(const std::filesystem::path& tovel,
                                  const std::filesystem::path& between)
{
  m_frame->ReadTovel(between);
  PaintNow();
  Settle();
  const int before = m_viewPaints;
  const Stopwatch clock;
  m_frame->ReadTovel(tovel);
  PaintNow();
  const double ms = clock.Ms();
  if (m_viewPaints == before) ++m_unpainted;
  Settle();
  return ms;
}

double ShownMainWindow::ZoomSteps()
{
  CTovelView* view = m_frame->GetTovelView();
  ZoomTo(1);
  double total = 0;
  for (int step = 0; step < 3; ++step) {
    Settle();
    const int before = m_viewPaints;
    const Stopwatch clock;
    Command(ids::ZoomIn);
    view->Update();
    WaitForDisplay();
    total += clock.Ms();
    if (m_viewPaints == before) ++m_unpainted;
  }
  ZoomTo(1);
  return total / 3;
}

std::pair<double, double> ShownMainWindow::MemoryAroundZoom()
{
  ZoomTo(1);
  const double before = static_cast<double>(MemoryKb("VmRSS")) / 1024.0;
  for (int zoom : {2, 3, 4, 3, 2, 1}) ZoomTo(zoom);
  const double after = static_cast<double>(MemoryKb("VmRSS")) / 1024.0;
  return {before, after};
}
