// An open Windows file handle that is closed when it goes out of scope.
#pragma once

#include "platform/WindowsApi.h"

namespace platform {

class FileHandle {
public:
  FileHandle() = default;
  explicit FileHandle(HANDLE handle) : m_handle(handle) {}
  ~FileHandle()
  {
    if (IsOpen()) ::CloseHandle(m_handle);
  }
  FileHandle(FileHandle&& other) noexcept : m_handle(other.m_handle)
  {
    other.m_handle = INVALID_HANDLE_VALUE;
  }
  FileHandle& operator=(FileHandle&&) = delete;
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE Get() const { return m_handle; }
  bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
  // Closes now and reports whether the close succeeded.
  bool Close()
  {
    if (!IsOpen()) return false;
    const HANDLE handle = m_handle;
    m_handle = INVALID_HANDLE_VALUE;
    return ::CloseHandle(handle) != 0;
  }

private:
  HANDLE m_handle = INVALID_HANDLE_VALUE;
};

} // namespace platform
