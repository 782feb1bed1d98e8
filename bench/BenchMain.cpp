// make bench: what a user of the editor waits for, each figure beside a
// floor measured in the same run, and the ratio between them.
//
// In this process: the real main window, shown, holding the largest tovel
// (WindowBench.cpp); the floor for its repaints is the bare program's
// panel of the tovel view's size, and the floor for opening is reading
// the same files. As separate processes, alternately: the editor and the
// bare program from start to their first painted window, and their peak
// memory (ProcessRuns.cpp). Every figure is a median of repeated
// measurements; the absolute times are for orientation, the ratios are
// what the targets judge.
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include <wx/app.h>
#include <wx/init.h>

#include "BenchFiles.h"
#include "Measure.h"
#include "ProcessRuns.h"
#include "ResultTable.h"
#include "WindowBench.h"
#include "app/TovelCreatorApp.h"
#include "model/Tovel.h"

namespace {

constexpr int Repaints = 51;
constexpr int ZoomCycles = 9;
constexpr int SmallOpens = 11;
constexpr int LargeOpens = 5;
constexpr int StartupPairs = 15;
// 20 pictures of this size, 24 bits per pixel: 48 MB each.
constexpr int LargeSide = 4000;

void Say(const char* text)
{
  std::fprintf(stderr, "bench: %s\n", text);
}

// Repeated measurements of one thing; the first round of each loop only
// warms up and is not kept.
struct Series {
  std::vector<double> Values;
  void Add(bool kept, double value)
  {
    if (kept) Values.push_back(value);
  }
  double Middle() const { return Median(Values); }
};

// The spread of a series, on standard error beside the progress lines.
void Spread(const char* what, const Series& series)
{
  std::vector<double> values = series.Values;
  if (values.empty()) return;
  std::sort(values.begin(), values.end());
  std::fprintf(stderr, "bench:   %-40s n=%2zu  min %9.3f  median %9.3f  max %9.3f\n", what,
               values.size(), values.front(), Median(values), values.back());
}

// The scratch folder, for removing its large pictures if the run is
// stopped.
std::string ScratchPath;

void StopRun(int)
{
  std::error_code ignored;
  std::filesystem::remove_all(ScratchPath, ignored);
  _exit(2);
}

// Every figure; `unpainted` becomes the number of timed measurements that
// saw no paint of the tovel view.
std::vector<Figure> MeasureAll(int& unpainted)
{
  std::vector<Figure> figures;
  {
    const ScratchFolder scratch;
    ScratchPath = scratch.Path().string();
    std::signal(SIGINT, StopRun);
    std::signal(SIGTERM, StopRun);
    std::signal(SIGALRM, StopRun);
    const std::filesystem::path tovels = scratch.Path() / "tovels";
    std::filesystem::create_directories(tovels);

    Say("start-up of the editor and of the bare program, alternately");
    const std::filesystem::path ini = scratch.Path() / "KESTRO2.INI";
    std::ofstream(ini, std::ios::binary) << "[LOCATIONS]\r\nTOVELS=" << TOVEL_SAMPLES << "\r\n";
    const StartupFigures startup =
        MeasureStartups(TOVEL_PROGRAM, BENCH_BARE_PROGRAM, ini, StartupPairs);

    Say("writing pictures");
    TovelsFolder = tovels.string();
    const PictureSet small = WritePictureSet(tovels, "small", 64, 48);
    const PictureSet medium = WritePictureSet(tovels, "medium", 640, 480);
    const std::filesystem::path empty = WriteEmptyTovel(tovels, "empty");

    ShownMainWindow window;
    if (!window.Open(small.Tovel, 64, 48)) throw std::runtime_error("the small tovel did not open");
    const wxSize view = window.ViewSize();
    // The bare window stands beside the main window, so that neither covers
    // the other.
    BareRepaints bareWindow(BENCH_BARE_PROGRAM, 1280, 0, view.x, view.y);
    const auto bareRepaint = [&bareWindow] {
      const double ms = bareWindow.Repaint();
      if (ms < 0) throw std::runtime_error("the bare program did not repaint");
      return ms;
    };
    Say("full repaints and one-item repaints, in turn with the bare window's");
    Series warm1, cold1, item1, bare1, panes1, warm4, cold4, item4, bare4, panes4;
    for (int zoom : {1, 4}) {
      window.ZoomTo(zoom);
      Series& warm = zoom == 1 ? warm1 : warm4;
      Series& cold = zoom == 1 ? cold1 : cold4;
      Series& item = zoom == 1 ? item1 : item4;
      Series& bare = zoom == 1 ? bare1 : bare4;
      Series& panes = zoom == 1 ? panes1 : panes4;
      for (int round = -1; round < Repaints; ++round) {
        const bool kept = round >= 0; // the first round warms up
        warm.Add(kept, window.FullRepaint(false));
        bare.Add(kept, bareRepaint());
        cold.Add(kept, window.FullRepaint(true));
        item.Add(kept, window.ItemRedraw(7));
        panes.Add(kept, window.PanesRepaint());
      }
    }

    Say("the same without the item list");
    Series alone1, aloneItem1, alone4, aloneItem4;
    window.ShowItemList(false);
    for (int zoom : {1, 4}) {
      window.ZoomTo(zoom);
      for (int round = -1; round < Repaints; ++round) {
        (zoom == 1 ? alone1 : alone4).Add(round >= 0, window.FullRepaint(false));
        (zoom == 1 ? aloneItem1 : aloneItem4).Add(round >= 0, window.ItemRedraw(7));
      }
    }
    window.ShowItemList(true);
    window.ZoomTo(1);

    Say("zoom steps and memory");
    if (!window.Open(medium.Tovel, 640, 480))
      throw std::runtime_error("the 640 x 480 tovel did not open");
    const auto [memoryBefore, memoryAfter] = window.MemoryAroundZoom();
    Series zoomMedium, zoomSmall;
    for (int round = -1; round < ZoomCycles; ++round) {
      window.Open(medium.Tovel, 640, 480);
      zoomMedium.Add(round >= 0, window.ZoomSteps());
      window.Open(small.Tovel, 64, 48);
      zoomSmall.Add(round >= 0, window.ZoomSteps());
    }

    Say("opening, in turn with reading the same files");
    Series openSmall, readSmall, openLarge, readLarge;
    for (int round = -1; round < SmallOpens; ++round) {
      openSmall.Add(round >= 0, window.TimedOpen(small.Tovel, empty));
      readSmall.Add(round >= 0, ReadFiles(small.Pictures));
    }
    RemovePictureSet(medium);
    Say("writing 20 pictures of 4000 x 4000");
    const PictureSet large = WritePictureSet(tovels, "large", LargeSide, LargeSide);
    if (!window.Open(large.Tovel, LargeSide, LargeSide))
      throw std::runtime_error("the large tovel did not open");
    for (int round = -1; round < LargeOpens; ++round) {
      openLarge.Add(round >= 0, window.TimedOpen(large.Tovel, empty));
      readLarge.Add(round >= 0, ReadFiles(large.Pictures));
    }
    window.Open(empty, 0, 0);
    RemovePictureSet(large);

    const std::string bareWhat =
        "bare window " + std::to_string(view.x) + "x" + std::to_string(view.y) + " repaint";
    Spread("full repaint, zoom 1, warm", warm1);
    Spread("full repaint, zoom 1, cold", cold1);
    Spread("one-item repaint, zoom 1", item1);
    Spread("bare window repaint (zoom 1 rounds)", bare1);
    Spread("full repaint, zoom 4, warm", warm4);
    Spread("full repaint, zoom 4, cold", cold4);
    Spread("one-item repaint, zoom 4", item4);
    Spread("bare window repaint (zoom 4 rounds)", bare4);
    Spread("both panes repainted, zoom 1", panes1);
    Spread("both panes repainted, zoom 4", panes4);
    Spread("full repaint, no item list, zoom 1", alone1);
    Spread("one-item repaint, no item list, zoom 1", aloneItem1);
    Spread("full repaint, no item list, zoom 4", alone4);
    Spread("one-item repaint, no item list, zoom 4", aloneItem4);
    Spread("zoom step, 640x480", zoomMedium);
    Spread("zoom step, 64x48", zoomSmall);
    Spread("open, 64x48", openSmall);
    Spread("read, 64x48", readSmall);
    Spread("open, 4000x4000", openLarge);
    Spread("read, 4000x4000", readLarge);
    figures = {
        {.What = "full repaint, zoom 1, warm cache",
         .Value = warm1.Middle(),
         .FloorWhat = bareWhat,
         .Floor = bare1.Middle()},
        {.What = "full repaint, zoom 1, cold cache",
         .Value = cold1.Middle(),
         .FloorWhat = bareWhat,
         .Floor = bare1.Middle()},
        {.What = "full repaint, zoom 4, warm cache",
         .Value = warm4.Middle(),
         .FloorWhat = bareWhat,
         .Floor = bare4.Middle(),
         .Target = 3},
        {.What = "full repaint, zoom 4, cold cache",
         .Value = cold4.Middle(),
         .FloorWhat = bareWhat,
         .Floor = bare4.Middle(),
         .Target = 10},
        {.What = "one-item repaint (RedrawItem), zoom 1",
         .Value = item1.Middle(),
         .FloorWhat = "both panes repainted, zoom 1",
         .Floor = panes1.Middle(),
         .Inverse = true,
         .Target = 10,
         .Note = "a state preview: the item in the tovel view and its row in the item list, "
                 "against a full repaint of the two panes"},
        {.What = "one-item repaint (RedrawItem), zoom 4",
         .Value = item4.Middle(),
         .FloorWhat = "both panes repainted, zoom 4",
         .Floor = panes4.Middle(),
         .Inverse = true,
         .Target = 10},
        {.What = "  the tovel view alone, zoom 1",
         .Value = aloneItem1.Middle(),
         .FloorWhat = "tovel view repaint, item list hidden",
         .Floor = alone1.Middle(),
         .Inverse = true,
         .Target = 10},
        {.What = "  the tovel view alone, zoom 4",
         .Value = aloneItem4.Middle(),
         .FloorWhat = "tovel view repaint, item list hidden",
         .Floor = alone4.Middle(),
         .Inverse = true,
         .Target = 10},
        {.What = "zoom step, 20 pictures of 640x480",
         .Value = zoomMedium.Middle(),
         .FloorWhat = "zoom step, 20 pictures of 64x48",
         .Floor = zoomSmall.Middle(),
         .Target = 2,
         .Note = "the mean of the steps 1->2, 2->3, 3->4, each with its repaint"},
        {.What = "memory at zoom 1 after 1->4->1, 640x480",
         .Value = memoryAfter,
         .FloorWhat = "memory at zoom 1 before",
         .Floor = memoryBefore,
         .Unit = "MB",
         .Target = 1.02,
         .Note = "resident memory (VmRSS) of this process; the target allows 2% for the "
                 "allocator"},
        {.What = "open tovel, 20 pictures of 64x48",
         .Value = openSmall.Middle(),
         .FloorWhat = "reading the 20 files",
         .Floor = readSmall.Middle()},
        {.What = "open tovel, 20 pictures of 4000x4000",
         .Value = openLarge.Middle(),
         .FloorWhat = "reading the 20 files",
         .Floor = readLarge.Middle(),
         .Target = 3,
         .Note = "opening through the main window's ReadTovel until both panes have painted; "
                 "the files are in the disk cache"},
        {.What = "start-up to first painted main window",
         .Value = startup.ProgramMs,
         .FloorWhat = "bare program's start-up",
         .Floor = startup.BareMs,
         .Target = 1.3,
         .Note = std::to_string(startup.Pairs) + " pairs of runs; " +
                 std::to_string(startup.Failed) + " runs did not report"},
        {.What = "peak memory (VmHWM) at first paint",
         .Value = startup.ProgramPeakMb,
         .FloorWhat = "bare program's peak",
         .Floor = startup.BarePeakMb,
         .Unit = "MB",
         .Target = 1.2,
         .Note = "the editor with the bundled sample tovels folder"},
    };
    unpainted = window.Unpainted();
  }
  return figures;
}

} // namespace

int main(int argc, char** argv)
{
  // A message box waiting for a click would hold the run forever.
  alarm(3600);
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv)) {
    std::fprintf(stderr, "bench: no display; run it under xvfb-run\n");
    return 1;
  }
  CTovelCreatorApp::ConfigureProcess();
  int status = 0;
  try {
    int unpainted = 0;
    PrintTable(MeasureAll(unpainted));
    if (unpainted)
      std::printf("warning: %d timed measurements saw no paint of the tovel view\n", unpainted);
  } catch (const std::exception& problem) {
    std::fprintf(stderr, "bench: %s\n", problem.what());
    status = 1;
  }
  wxEntryCleanup();
  return status;
}
