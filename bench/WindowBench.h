// The editor's real main window (CMainFrame with its item list and tovel
// view), shown on the display, and what a user waits for in it: a full
// repaint of the tovel view, the one-item repaint after an item's state
// changed, opening a tovel, a zoom step, and the memory a zoom leaves
// behind. Every time runs until the display has drawn.
#pragma once

#include <filesystem>
#include <vector>

#include <wx/gdicmn.h>

class CMainFrame;

class ShownMainWindow {
public:
  // Makes the main window as the program does, maximised on a 1280 x 1024
  // screen (placed so by hand where no window manager maximises it), and
  // waits until it is on screen and painted.
  ShownMainWindow();
  ~ShownMainWindow();
  ShownMainWindow(const ShownMainWindow&) = delete;
  ShownMainWindow& operator=(const ShownMainWindow&) = delete;

  // The tovel view's size, scroll bars included.
  wxSize ViewSize() const;

  // Opens a tovel as File > Open does and waits until it is painted;
  // false when a picture did not load with the expected size.
  bool Open(const std::filesystem::path& tovel, int pictureWidth, int pictureHeight);

  // Zooms in or out with the menu commands until the view shows `zoom`.
  void ZoomTo(int zoom);

  // A full repaint of the tovel view (Refresh and Update), with the
  // stretched pictures dropped first when `cold`.
  double FullRepaint(bool cold);

  // A full repaint of both panes, the item list and the tovel view, with
  // the stretched pictures kept: what a state preview would cost if it
  // repainted the panes it changes.
  double PanesRepaint();

  // The repaint after item `item` showed its other state, announced as the
  // item list announces it: the view repaints only what the item touched
  // and the item list its row. Both states were shown before, untimed.
  double ItemRedraw(int item);

  // Hides the item list (the tovel view takes the whole window) or shows
  // it again where it was: the toolkit paints both panes in one pass, so
  // this tells the tovel view's share of a repaint from the item list's.
  void ShowItemList(bool shown);

  // Opens `between` untimed, then `tovel`, timed until both panes have
  // painted it.
  double TimedOpen(const std::filesystem::path& tovel, const std::filesystem::path& between);

  // Zooms in from 1 to 4 with the menu command, each step timed with the
  // repaint it brings; the mean step. The view is back at zoom 1 after.
  double ZoomSteps();

  // Resident memory in MB at zoom 1, then after zooming step by step to 4
  // and back to 1, every step painted.
  std::pair<double, double> MemoryAroundZoom();

  // Timed repaints after which the paint counter showed no paint.
  int Unpainted() const { return m_unpainted; }

private:
  // Handles pending events until nothing has been painted for a while.
  void Settle();
  // Both panes paint what is invalid now, and the display draws it.
  void PaintNow();
  // Item `item` shows `state`, announced as the item list announces it.
  // The program draws what changed before it returns (or repaints it at
  // once where it cannot draw outside a paint); this waits until the
  // display has drawn it.
  void ShowState(int item, int state);
  void Command(int id);

  CMainFrame* m_frame;
  int m_sash = 0;
  int m_viewPaints = 0;
  int m_listPaints = 0;
  int m_unpainted = 0;
};
