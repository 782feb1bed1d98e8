// Runs whole programs as separate processes: the editor and the bare
// window program, alternately, for their start-up time to the first
// painted window and their peak resident memory; and the bare program's
// window, kept open to be repainted in turn with the editor's.
#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

struct StartupFigures {
  double ProgramMs = 0; // median time from starting the process to its first paint
  double BareMs = 0;
  double ProgramPeakMb = 0; // median peak resident memory (VmHWM) at that moment
  double BarePeakMb = 0;
  int Pairs = 0;  // pairs of runs that both reported a first paint
  int Failed = 0; // runs that did not
};

// Starts `program` (with TOVELCREATOR_BENCH_FIRST_PAINT set and KESTRO2_INI
// naming `ini`) and `bare first-paint` in turn, `pairs` times each after one
// run of each to warm the disk cache.
StartupFigures MeasureStartups(const std::filesystem::path& program,
                               const std::filesystem::path& bare, const std::filesystem::path& ini,
                               int pairs);

// The bare program's window of a given place and size, repainted on
// request (`bare repaint X Y WIDTH HEIGHT`).
class BareRepaints {
public:
  BareRepaints(const std::filesystem::path& bare, int x, int y, int width, int height);
  ~BareRepaints();
  BareRepaints(const BareRepaints&) = delete;
  BareRepaints& operator=(const BareRepaints&) = delete;

  // One full repaint of the window, timed by the bare program until the
  // display has drawn it, in milliseconds; negative when it did not paint
  // or did not answer.
  double Repaint();

private:
  pid_t m_pid = -1;
  int m_input = -1;
  int m_output = -1;
  std::string m_pending;
};
