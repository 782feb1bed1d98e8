#ifndef _WIN32
#include "common/UnwrittenPipe.h"

#include <chrono>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

UnwrittenPipe::UnwrittenPipe(std::filesystem::path path) : m_path(std::move(path))
{
  if (::mkfifo(m_path.c_str(), 0666) != 0)
    throw std::runtime_error("could not make the pipe " + m_path.string());
  m_guard = std::thread([this] {
    while (!m_stop) {
      // Opening for writing without waiting succeeds only while a reader
      // has the pipe open; the reader then gets the end of the file.
      const int fd = ::open(m_path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
      if (fd >= 0) {
        m_opened = true;
        ::close(fd);
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
}

UnwrittenPipe::~UnwrittenPipe()
{
  m_stop = true;
  m_guard.join();
}

#endif
