// The floor the editor is compared with: a bare wxWidgets program, a frame
// holding an empty panel, built with the same flags as the editor.
//
//   bench_bare first-paint
//     shows the frame as the editor shows its main window and, once the
//     panel has been painted, prints "first paint <microseconds>" (the
//     steady clock, as the editor's TOVELCREATOR_BENCH_FIRST_PAINT hook
//     does), waits for its standard input to end and ends.
//   bench_bare repaint <x> <y> <width> <height>
//     shows a panel of width x height at x, y on the screen, prints "shown"
//     once it is painted, and then for each line read from standard input
//     times one full repaint of it (Refresh, Update, and the display's
//     drawing), printing "repaint <ms>" ("unpainted" when no paint came);
//     it ends when its input ends.
#include <cstdio>
#include <cstdlib>
#include <string>

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/utils.h>

#include "Measure.h"

namespace {

class BareApp : public wxApp {
public:
  bool OnInit() override
  {
    if (argc == 2 && argv[1] == "first-paint") return StartFirstPaint();
    long x = 0, y = 0, width = 0, height = 0;
    if (argc == 6 && argv[1] == "repaint" && argv[2].ToLong(&x) && argv[3].ToLong(&y) &&
        argv[4].ToLong(&width) && argv[5].ToLong(&height))
      return StartRepaints(wxRect(static_cast<int>(x), static_cast<int>(y), static_cast<int>(width),
                                  static_cast<int>(height)));
    std::fprintf(stderr, "usage: bench_bare first-paint | repaint X Y WIDTH HEIGHT\n");
    return false;
  }

private:
  void MakeWindow(long style)
  {
    // The editor's main window starts at this size.
    m_frame = new wxFrame(nullptr, wxID_ANY, "Bare", wxDefaultPosition, wxSize(1024, 768), style);
    m_panel = new wxPanel(m_frame);
    m_panel->Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
      wxPaintDC dc(m_panel);
      ++m_paints;
      if (m_paints == 1 && m_reportFirstPaint)
        CallAfter([] {
          std::printf("first paint %lld\n", SteadyMicroseconds());
          std::fflush(stdout);
          while (std::getchar() != EOF) {
          }
          std::_Exit(0);
        });
    });
  }

  bool StartFirstPaint()
  {
    m_reportFirstPaint = true;
    // Maximised, as the editor's main window.
    MakeWindow(wxDEFAULT_FRAME_STYLE | wxMAXIMIZE);
    m_frame->Maximize();
    m_frame->Show();
    m_frame->Update();
    return true;
  }

  bool StartRepaints(const wxRect& place)
  {
    MakeWindow(wxDEFAULT_FRAME_STYLE);
    m_frame->SetPosition(place.GetPosition());
    m_frame->SetClientSize(place.GetSize());
    m_frame->Show();
    CallAfter([this] { Repaints(); });
    return true;
  }

  void Repaints()
  {
    for (int i = 0; i < 400 && (!m_panel->IsShownOnScreen() || m_paints == 0); ++i) {
      wxYield();
      wxMilliSleep(5);
    }
    std::printf("shown\n");
    std::fflush(stdout);
    char request[64];
    while (std::fgets(request, sizeof request, stdin)) {
      wxYield();
      const int before = m_paints;
      const Stopwatch clock;
      m_panel->Refresh();
      m_panel->Update();
      WaitForDisplay();
      const double ms = clock.Ms();
      if (m_paints == before)
        std::printf("unpainted\n");
      else
        std::printf("repaint %.6f\n", ms);
      std::fflush(stdout);
    }
    m_frame->Destroy();
  }

  wxFrame* m_frame = nullptr;
  wxPanel* m_panel = nullptr;
  int m_paints = 0;
  bool m_reportFirstPaint = false;
};

} // namespace

wxIMPLEMENT_APP(BareApp);
