#include "common/Environment.h"

#include <cstdlib>

#ifdef _WIN32
#include "platform/WideText.h"
#include "platform/WindowsApi.h"
#endif

void SetEnvironment(const std::string& name, const std::string& value)
{
#ifdef _WIN32
  // The program reads the variables as UTF-16; the value is UTF-8 here.
  ::SetEnvironmentVariableW(platform::WideFromUtf8(name).c_str(),
                            value.empty() ? nullptr : platform::WideFromUtf8(value).c_str());
#else
  ::setenv(name.c_str(), value.c_str(), 1);
#endif
}

void UnsetEnvironment(const std::string& name)
{
#ifdef _WIN32
  ::SetEnvironmentVariableW(platform::WideFromUtf8(name).c_str(), nullptr);
#else
  ::unsetenv(name.c_str());
#endif
}

std::optional<std::string> EnvironmentValue(const std::string& name)
{
#ifdef _WIN32
  const std::wstring wideName = platform::WideFromUtf8(name);
  const DWORD size = ::GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
  if (size == 0) return std::nullopt;
  std::wstring value(size, L'\0');
  value.resize(::GetEnvironmentVariableW(wideName.c_str(), value.data(), size));
  return platform::Utf8FromWide(value);
#else
  const char* value = std::getenv(name.c_str());
  return value ? std::optional<std::string>(value) : std::nullopt;
#endif
}

SavedEnvironment::SavedEnvironment(std::vector<std::string> names)
{
  for (std::string& name : names) {
    auto value = EnvironmentValue(name);
    m_saved.emplace_back(std::move(name), std::move(value));
  }
}

SavedEnvironment::~SavedEnvironment()
{
  for (const auto& [name, value] : m_saved) {
    if (value)
      SetEnvironment(name, *value);
    else
      UnsetEnvironment(name);
  }
}
