#include "ProcessRuns.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "Measure.h"

extern char** environ;

namespace {

struct Child {
  pid_t Pid = -1;
  int Input = -1;  // its standard input, to write to
  int Output = -1; // its standard output, to read from
  long long StartedUs = 0;
};

// Starts a program with its arguments and extra environment entries, its
// standard input and output on pipes; Pid -1 when it could not start.
Child Start(const std::vector<std::string>& arguments, const std::vector<std::string>& extraEnv)
{
  Child child;
  int output[2];
  int input[2];
  if (pipe(output) != 0) return child;
  if (pipe(input) != 0) {
    close(output[0]);
    close(output[1]);
    return child;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, input[0], STDIN_FILENO);
  for (int end : {output[0], output[1], input[0], input[1]})
    posix_spawn_file_actions_addclose(&actions, end);

  std::vector<char*> argv;
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (char** entry = environ; *entry; ++entry) envp.push_back(*entry);
  for (const auto& entry : extraEnv) envp.push_back(const_cast<char*>(entry.c_str()));
  envp.push_back(nullptr);

  child.StartedUs = SteadyMicroseconds();
  const int failed = posix_spawn(&child.Pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(output[1]);
  close(input[0]);
  if (failed) {
    std::fprintf(stderr, "cannot start %s: %s\n", argv[0], std::strerror(failed));
    close(output[0]);
    close(input[1]);
    child.Pid = -1;
    return child;
  }
  child.Input = input[1];
  child.Output = output[0];
  return child;
}

// The next line of the child's output, or nothing at its end or after the
// timeout.
std::optional<std::string> ReadLine(int output, std::string& pending, int timeoutMs)
{
  const Stopwatch clock;
  for (;;) {
    const std::size_t end = pending.find('\n');
    if (end != std::string::npos) {
      std::string line = pending.substr(0, end);
      pending.erase(0, end + 1);
      return line;
    }
    const int left = timeoutMs - static_cast<int>(clock.Ms());
    if (left <= 0) return std::nullopt;
    pollfd wait{output, POLLIN, 0};
    if (poll(&wait, 1, left) <= 0) continue;
    char buffer[4096];
    const ssize_t got = read(output, buffer, sizeof buffer);
    if (got <= 0) return std::nullopt;
    pending.append(buffer, static_cast<std::size_t>(got));
  }
}

// Closes the child's pipes (a program that reported its first paint ends
// then), ends it if `kill`, and waits for it.
void Finish(const Child& child, bool stop)
{
  close(child.Input);
  close(child.Output);
  if (stop) kill(child.Pid, SIGKILL);
  int status = 0;
  waitpid(child.Pid, &status, 0);
}

// The peak resident memory (VmHWM) of a running process in kB. (The
// system's own count of a child's peak, from wait4, also holds the memory
// of this process at the moment the child was made.)
long PeakMemoryKb(pid_t pid)
{
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return 0;
}

// Runs a program that reports its first paint and waits for its input to
// end: the time from its start to the paint in milliseconds and its peak
// memory in MB at that moment, or a negative time when it did not report.
std::pair<double, double> FirstPaint(const std::vector<std::string>& arguments,
                                     const std::vector<std::string>& extraEnv)
{
  const Child child = Start(arguments, extraEnv);
  if (child.Pid < 0) return {-1, 0};
  std::string pending;
  std::optional<std::string> line;
  do line = ReadLine(child.Output, pending, 30000);
  while (line && line->rfind("first paint ", 0) != 0);
  if (!line) {
    Finish(child, true);
    return {-1, 0};
  }
  const double peakMb = static_cast<double>(PeakMemoryKb(child.Pid)) / 1024.0;
  Finish(child, false);
  const long long paintedUs = std::stoll(line->substr(12));
  return {static_cast<double>(paintedUs - child.StartedUs) / 1000.0, peakMb};
}

} // namespace

StartupFigures MeasureStartups(const std::filesystem::path& program,
                               const std::filesystem::path& bare, const std::filesystem::path& ini,
                               int pairs)
{
  const std::vector<std::string> programRun{program.string()};
  const std::vector<std::string> programEnv{"TOVELCREATOR_BENCH_FIRST_PAINT=1",
                                            "KESTRO2_INI=" + ini.string()};
  const std::vector<std::string> bareRun{bare.string(), "first-paint"};
  FirstPaint(programRun, programEnv);
  FirstPaint(bareRun, {});

  StartupFigures figures;
  std::vector<double> programMs, bareMs, programMb, bareMb;
  for (int pair = 0; pair < pairs; ++pair) {
    const auto [programTime, programPeak] = FirstPaint(programRun, programEnv);
    const auto [bareTime, barePeak] = FirstPaint(bareRun, {});
    if (programTime < 0 || bareTime < 0) {
      figures.Failed += (programTime < 0) + (bareTime < 0);
      continue;
    }
    programMs.push_back(programTime);
    bareMs.push_back(bareTime);
    programMb.push_back(programPeak);
    bareMb.push_back(barePeak);
  }
  figures.Pairs = static_cast<int>(programMs.size());
  figures.ProgramMs = Median(programMs);
  figures.BareMs = Median(bareMs);
  figures.ProgramPeakMb = Median(programMb);
  figures.BarePeakMb = Median(bareMb);
  return figures;
}

BareRepaints::BareRepaints(const std::filesystem::path& bare, int x, int y, int width, int height)
{
  const Child child = Start({bare.string(), "repaint", std::to_string(x), std::to_string(y),
                             std::to_string(width), std::to_string(height)},
                            {});
  m_pid = child.Pid;
  m_input = child.Input;
  m_output = child.Output;
  // The program says when its window is on screen.
  if (m_pid >= 0 && ReadLine(m_output, m_pending, 30000) != "shown") {
    Finish(child, true);
    m_pid = -1;
  }
}

BareRepaints::~BareRepaints()
{
  if (m_pid >= 0) Finish({m_pid, m_input, m_output, 0}, false);
}

double BareRepaints::Repaint()
{
  if (m_pid < 0 || write(m_input, "repaint\n", 8) != 8) return -1;
  const auto line = ReadLine(m_output, m_pending, 30000);
  if (!line || line->rfind("repaint ", 0) != 0) return -1;
  return std::stod(line->substr(8));
}
