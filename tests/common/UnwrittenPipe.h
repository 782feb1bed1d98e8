// A named pipe that nothing writes to, for tests of code that must never
// open one: opening it for reading waits for a writer, which would hang the
// test. A guard thread frees any reader that waits on it, so that such a
// fault fails the test instead. POSIX only.
#pragma once

#ifndef _WIN32

#include <atomic>
#include <filesystem>
#include <thread>

class UnwrittenPipe {
public:
  // Makes the pipe at path; throws std::runtime_error when it cannot.
  explicit UnwrittenPipe(std::filesystem::path path);
  ~UnwrittenPipe();
  UnwrittenPipe(const UnwrittenPipe&) = delete;
  UnwrittenPipe& operator=(const UnwrittenPipe&) = delete;

  const std::filesystem::path& Path() const { return m_path; }
  // Whether anything has opened the pipe for reading so far, in this
  // process or another.
  bool WasOpened() const { return m_opened; }

private:
  std::filesystem::path m_path;
  std::atomic<bool> m_opened{false};
  std::atomic<bool> m_stop{false};
  std::thread m_guard;
};

#endif // named pipes are POSIX's
