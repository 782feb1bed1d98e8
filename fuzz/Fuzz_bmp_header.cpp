// Feeds arbitrary bytes to the BMP header checks and, for every header they
// accept, builds the palette the picture would be shown with, checks that
// the start of the file alone gives the same answer, and decodes the
// picture and reads every pixel of it.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "bitmaps/BmpHeader.h"
#include "bitmaps/BmpPixels.h"
#include "bitmaps/PixelScaling.h"

namespace {

// Pictures larger than this are decoded too, but take too long to fuzz.
constexpr std::int64_t MaxDecodedPixels = 1 << 20;

void ReadEveryPixel(const Picture& picture)
{
  const int width = picture.Width();
  const int height = picture.Height();
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  if (!StretchPart(picture, width, height, {0, 0, width, height}, rgb)) std::abort();
  // A part of a stretch to twice the size and of a shrink to a preview.
  std::vector<std::uint8_t> part(std::size_t{64} * 64 * 3);
  const Rect corner{width, height, std::min(2 * width, width + 64),
                    std::min(2 * height, height + 64)};
  if (!StretchPart(picture, 2 * width, 2 * height, corner, part)) std::abort();
  if (ScaleSmooth(picture, 7, 5).size() != 7 * 5 * 3) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  const std::span<const std::uint8_t> file(data, size);
  const BmpReadResult result = ReadBmpHeader(file);
  const BmpReadResult fromStart = ReadBmpHeader(file.first(std::min(size, BmpHeaderBytes)), size);
  if (fromStart.Problem != result.Problem || fromStart.Info.has_value() != result.Info.has_value())
    std::abort();
  if (!result.Info) {
    if (result.Problem.empty()) std::abort(); // a refusal always says why
    return 0;
  }
  const BmpInfo& info = *result.Info;
  if (info.Width <= 0 || info.Height <= 0 || info.Width > MaxBmpSide || info.Height > MaxBmpSide ||
      static_cast<std::int64_t>(info.Width) * info.Height > MaxBmpPixels)
    std::abort();
  if (fromStart.Info->Width != info.Width || fromStart.Info->Height != info.Height ||
      fromStart.Info->ColourTable != info.ColourTable)
    std::abort();
  const ColourPalette palette = MakePalette(info);
  (void)palette;
  (void)PaletteColourCount(info);

  if (static_cast<std::int64_t>(info.Width) * info.Height > MaxDecodedPixels) return 0;
  const auto picture = DecodeBmp({data, data + size}, info);
  if (picture) {
    if (picture->Width() != info.Width || picture->Height() != info.Height) std::abort();
    ReadEveryPixel(*picture);
  }
  return 0;
}
