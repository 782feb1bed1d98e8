// The title picture with the version number: the splash window shown at
// start-up, and the About window of the Help menu.
#pragma once

#include <vector>

#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/timer.h>

class wxButton;
class wxDC;

class CSplashWindow : public wxFrame {
public:
  // How long the splash stays without input, in milliseconds.
  static constexpr int DefaultTimerPeriod = 3500;
  // Height of the strip under the picture that holds the About window's OK button.
  static constexpr int StripHeight = 30;
  // Width of the thin frame the window draws around its picture and strip.
  static constexpr int FrameWidth = 1;

  // aboutMode false: the splash; true: the About window. Nothing is shown
  // until ShowSplash.
  explicit CSplashWindow(bool aboutMode);

  // Builds the window, centres it on the screen and shows it; the splash
  // also starts its timer. Call it once, on an object made with new: the
  // window deletes itself when it closes, and at once (returning false)
  // when it cannot be created.
  bool ShowSplash();

  bool IsAboutMode() const { return m_aboutMode; }
  // The OK button of the About window; none for the splash.
  wxButton* GetOkButton() const { return m_okButton; }
  // Draws the window's content (frame, picture, strip and version number)
  // with the client area's top left corner at the device's origin.
  void PaintTo(wxDC& dc) const;

  // The size of the title picture.
  static wxSize PictureSize();
  // The splash timer's period, for new splash windows.
  static int TimerPeriod() { return s_timerPeriod; }
  static void SetTimerPeriod(int milliseconds) { s_timerPeriod = milliseconds; }
  // The splash and About windows on screen, not those already closing.
  static std::vector<CSplashWindow*> OpenWindows();

  // The window keeps the size it was built with; nothing is laid out.
  bool Layout() override { return true; }
  // Closing the main window ends the program even while a splash or About
  // window is still open; they go with it.
  bool ShouldPreventAppExit() const override { return false; }

private:
  void CloseSplash();
  void OnPaint(wxPaintEvent& event);
  void OnTimer(wxTimerEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnMouseDown(wxMouseEvent& event);
  void OnOk(wxCommandEvent& event);

  wxButton* m_okButton = nullptr;
  const bool m_aboutMode;
  wxTimer m_timer;

  static int s_timerPeriod;
};
