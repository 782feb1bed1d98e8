#include "platform/Ini.h"

#include <cstdlib>
#include <system_error>

namespace platform {

namespace {

std::string EnvironmentValue(const char* name)
{
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

bool IsExistingFile(const std::filesystem::path& file)
{
  std::error_code ec;
  return std::filesystem::is_regular_file(file, ec);
}

} // namespace

std::filesystem::path FindKestroIni()
{
  const std::string named = EnvironmentValue("KESTRO2_INI");
  if (!named.empty()) return named;

  std::filesystem::path configHome = EnvironmentValue("XDG_CONFIG_HOME");
  if (configHome.empty()) {
    const std::string home = EnvironmentValue("HOME");
    if (!home.empty()) configHome = std::filesystem::path(home) / ".config";
  }
  if (!configHome.empty()) {
    const auto candidate = configHome / "KESTRO2.INI";
    if (IsExistingFile(candidate)) return candidate;
  }
  return "/etc/KESTRO2.INI";
}

} // namespace platform
