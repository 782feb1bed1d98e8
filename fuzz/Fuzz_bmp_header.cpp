// Feeds arbitrary bytes to the BMP header checks and, for every header they
// accept, builds the palette the picture would be shown with.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "bitmaps/BmpHeader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  const BmpReadResult result = ReadBmpHeader(std::span<const std::uint8_t>(data, size));
  if (!result.Info) {
    if (result.Problem.empty()) std::abort(); // a refusal always says why
    return 0;
  }
  const BmpInfo& info = *result.Info;
  if (info.Width <= 0 || info.Height <= 0 || info.Width > MaxBmpSide || info.Height > MaxBmpSide ||
      static_cast<std::int64_t>(info.Width) * info.Height > MaxBmpPixels)
    std::abort();
  const ColourPalette palette = MakePalette(info);
  (void)palette;
  (void)PaletteColourCount(info);
  return 0;
}
