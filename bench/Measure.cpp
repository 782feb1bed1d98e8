#include "Measure.h"

#include <algorithm>
#include <fstream>

#include <wx/utils.h>

#include <X11/Xlib.h>

long long SteadyMicroseconds()
{
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

double Median(std::vector<double> values)
{
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void WaitForDisplay()
{
  if (auto* display = static_cast<Display*>(wxGetDisplay())) XSync(display, False);
}

long MemoryKb(const std::string& field)
{
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  return -1;
}
