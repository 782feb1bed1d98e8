#include "app/FirstPaintReport.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <wx/utils.h>

#include "app/MainFrame.h"
#include "editing/ObjectsView.h"
#include "editing/TovelView.h"

void ReportFirstPaintIfAsked(CMainFrame* frame)
{
  if (!wxGetEnv("TOVELCREATOR_BENCH_FIRST_PAINT", nullptr)) return;
  // One bit per pane that has been painted.
  auto painted = std::make_shared<int>(0);
  const auto watch = [frame, painted](wxWindow* pane, int bit) {
    pane->Bind(wxEVT_PAINT, [frame, painted, bit](wxPaintEvent& event) {
      event.Skip();
      if (*painted == 3) return;
      *painted |= bit;
      if (*painted != 3) return;
      // Reported once the paint handlers have drawn.
      frame->CallAfter([] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("first paint %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
        std::fflush(stdout);
        // The benchmark looks at the process (its memory) before it goes.
        while (std::getchar() != EOF) {
        }
        std::_Exit(0);
      });
    });
  };
  watch(frame->GetTovelView(), 1);
  watch(frame->GetObjectsView(), 2);
}
