// Feeds arbitrary bytes to the conversions between the Windows-style paths
// tovels hold and native paths, and between Windows-1252 and UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Paths.h"
#include "platform/Windows1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // Every Windows-1252 text has a UTF-8 form that converts back to it.
  const std::string utf8 = platform::Cp1252ToUtf8(bytes);
  if (!platform::IsValidUtf8(utf8)) std::abort();
  const auto back = platform::Utf8ToCp1252(utf8);
  if (!back || *back != bytes) std::abort();

  // Paths are looked up in a folder that holds nothing, so the lookups
  // stay cheap and the result depends on the input alone.
  const std::string joined = platform::JoinTovelsPath("/nonexistent-tovels", bytes);
  const std::filesystem::path native = platform::NativePath(joined);
  (void)platform::NativeToModelName(native.filename());
  return 0;
}
