// How long the tovel view and the item list take to paint a full tovel:
// 30 items, 20 pictures of 64 x 48, texts and labels.
#include <benchmark/benchmark.h>

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>

#include "app/MainFrame.h"
#include "bitmaps/PictureLoading.h"
#include "editing/ObjectsView.h"
#include "editing/TovelPainter.h"
#include "editing/TovelView.h"
#include "editing/ViewGeometry.h"
#include "model/Tovel.h"

namespace {

// A picture of 64 x 48 with a pattern, so that stretching has work to do.
wxBitmap Pattern(int seed)
{
  wxImage image(64, 48);
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x)
      image.SetRGB(x, y, static_cast<unsigned char>((x * 4 + seed * 13) & 255),
                   static_cast<unsigned char>((y * 5 + seed * 7) & 255),
                   static_cast<unsigned char>((x ^ y) * 3 & 255));
  return wxBitmap(image);
}

// The largest tovel: 20 pictures, 20 picture items, 5 readings, 5 labels.
void FillMaximalTovel()
{
  ResetTovel();
  BitmapCount = MaxBitmaps;
  for (int slot = 0; slot < MaxBitmaps; ++slot) {
    BitmapNames[slot] = "bench\\picture" + std::to_string(slot) + ".bmp";
    BitmapImages[slot].Bitmap = std::make_unique<WxPicture>(Pattern(slot));
    BitmapImages[slot].Width = 64;
    BitmapImages[slot].Height = 48;
  }
  ItemCount = MaxItems;
  for (int i = 0; i < MaxItems; ++i) {
    const int left = (i % 6) * 66;
    const int top = (i / 6) * 62;
    TovelItem& item = ItemTable[i];
    if (i < 20) {
      item = {left,
              top,
              left + 64,
              top + 48,
              FlagClickable | FlagFastRedraw,
              0,
              {std::to_string(i), std::to_string((i + 1) % 20), "-1", "-1"}};
    } else if (i < 25) {
      item = {left,
              top,
              left + 60,
              top + 21,
              FlagText | FlagFilled | FlagYellow,
              0,
              {"12.5", "0", "0", "0"}};
    } else {
      item = {left,
              top + 48,
              left + 60,
              top + 62,
              FlagText | FlagLabel | FlagFilled,
              0,
              {"out " + std::to_string(i - 24), "-1", "-1", "-1"}};
    }
  }
}

void PaintPage(benchmark::State& state)
{
  const int zoom = static_cast<int>(state.range(0));
  wxBitmap target(PageWidth * zoom, PageHeight * zoom, 24);
  wxMemoryDC dc(target);
  TovelPainter painter(zoom, true);
  painter.PaintPage(dc, wxPoint(0, 0)); // the first paint fills the zoom cache
  for (auto _ : state) painter.PaintPage(dc, wxPoint(0, 0));
}
BENCHMARK(PaintPage)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

// What the tovel view repaints after item i changed: everything the item
// painted before and paints after, as the view works it out.
void RedrawItem(benchmark::State& state, int item)
{
  const int zoom = static_cast<int>(state.range(0));
  wxBitmap target(PageWidth * zoom, PageHeight * zoom, 24);
  wxMemoryDC dc(target);
  wxBitmap scratch(1, 1);
  wxMemoryDC measure(scratch);
  TovelPainter painter(zoom, true);
  painter.PaintPage(dc, wxPoint(0, 0));
  const TovelItem before = ItemTable[item];
  ItemTable[item].State = 1; // a picture item shows its second picture
  for (auto _ : state) {
    const Rect area = painter.Extent(measure, before, wxPoint(0, 0))
                          .United(painter.Extent(measure, ItemTable[item], wxPoint(0, 0)));
    dc.SetClippingRegion(area.Left, area.Top, area.Width(), area.Height());
    painter.PaintPage(dc, wxPoint(0, 0), &area);
    dc.DestroyClippingRegion();
  }
  ItemTable[item].State = 0;
}

// A picture item showing another state: the item list's preview.
void RedrawOneItem(benchmark::State& state)
{
  RedrawItem(state, 7);
}
BENCHMARK(RedrawOneItem)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

// A reading, whose text is measured to find how far it reaches.
void RedrawOneText(benchmark::State& state)
{
  RedrawItem(state, 22);
}
BENCHMARK(RedrawOneText)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

void PaintItemList(benchmark::State& state)
{
  auto* frame = new CMainFrame;
  frame->SetClientSize(1200, 900);
  FillMaximalTovel();
  CObjectsView* list = frame->GetObjectsView();
  const wxSize size(200, 14 + 30 * 32);
  wxBitmap target(size, 24);
  wxMemoryDC dc(target);
  for (auto _ : state) list->PaintTo(dc);
  frame->Destroy();
}
BENCHMARK(PaintItemList)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
  wxApp::SetInstance(new wxApp);
  if (!wxEntryStart(argc, argv)) return 1;
  InstallPictureDecoder();
  FillMaximalTovel();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ResetTovel();
  wxEntryCleanup();
  return 0;
}
