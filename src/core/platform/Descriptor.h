// An open file descriptor that is closed when it goes out of scope.
#pragma once

#include <unistd.h>

namespace platform {

class Descriptor {
public:
  explicit Descriptor(int fd) : m_fd(fd) {}
  ~Descriptor()
  {
    if (m_fd >= 0) ::close(m_fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int Get() const { return m_fd; }
  // Closes now and reports whether the close succeeded.
  bool Close()
  {
    const int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0;
  }

private:
  int m_fd;
};

} // namespace platform
