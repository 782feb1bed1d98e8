// The measuring tools every part of the benchmark shares: a clock, the
// median, waiting for the display to finish drawing, and the process's
// memory.
#pragma once

#include <chrono>
#include <string>
#include <vector>

// Milliseconds since it was made.
class Stopwatch {
public:
  double Ms() const
  {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start)
        .count();
  }

private:
  std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

// The steady clock's reading in microseconds, as the first-paint report
// prints it.
long long SteadyMicroseconds();

double Median(std::vector<double> values);

// Waits until the X server has carried out every drawing request sent so
// far, so that a paint is timed until it is on the screen.
void WaitForDisplay();

// A field of /proc/self/status in kB, such as "VmRSS" or "VmHWM".
long MemoryKb(const std::string& field);
