// Setting and removing environment variables in tests, on POSIX and Windows.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Sets the variable; an empty value sets it empty where the system allows
// (POSIX), and removes it on Windows, which has no empty variables.
void SetEnvironment(const std::string& name, const std::string& value);
void UnsetEnvironment(const std::string& name);
// The variable's value, or nothing when it is not set.
std::optional<std::string> EnvironmentValue(const std::string& name);

// Keeps the values of some variables and puts them back when it goes.
class SavedEnvironment {
public:
  explicit SavedEnvironment(std::vector<std::string> names);
  ~SavedEnvironment();
  SavedEnvironment(const SavedEnvironment&) = delete;
  SavedEnvironment& operator=(const SavedEnvironment&) = delete;

private:
  std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};
