// Feeds arbitrary bytes to the tovel reader. Whatever it accepts, and the
// save would write, must write out, read back and write out again to
// exactly the same bytes: a tovel the editor saves reads back as saved.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "model/TovelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const TovelParseResult first = ParseTovel(bytes);
  if (!first.Tables) return 0;
  // Tables with a line too long to read back are refused by the save.
  if (UnstorableLine(*first.Tables)) return 0;

  const std::string written = FormatTovel(*first.Tables);
  const TovelParseResult second = ParseTovel(written);
  if (!second.Tables) {
    std::fprintf(stderr, "a written tovel was refused: %s\n", second.Problem.c_str());
    std::abort();
  }
  if (FormatTovel(*second.Tables) != written) {
    std::fprintf(stderr, "a written tovel read back differently\n");
    std::abort();
  }
  return 0;
}
