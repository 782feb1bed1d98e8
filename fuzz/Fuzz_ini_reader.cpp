// Feeds arbitrary text to the settings-file reader: it must always give a
// value no longer than asked for.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/Ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string value = platform::ParseProfileString(
      text, platform::KestroSection, platform::KestroTovelsKey, platform::KestroTovelsDefault);
  if (value.size() > platform::KestroMaxChars) std::abort();
  const std::string shortValue = platform::ParseProfileString(text, "locations", "tovels", "", 3);
  if (shortValue.size() > 3) std::abort();
  return 0;
}
