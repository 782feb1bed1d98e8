// A scratch folder for tests that read and write real files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A fresh empty folder under the system's temporary folder, removed with
// everything in it when the object goes. Its name is new for every object,
// also across test programs running side by side.
class TempFolder {
public:
  // The label starts the folder's name, to tell whose leftovers are whose.
  explicit TempFolder(std::string_view label = "tovel-test");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return Folder; }

  // Writes the bytes to a file at the given place inside the folder, making
  // the folders on the way, and returns the file's full path. Throws
  // std::runtime_error when the file cannot be written.
  std::filesystem::path Write(const std::filesystem::path& relative, std::string_view bytes) const;

private:
  std::filesystem::path Folder;
};

// The whole file, byte for byte; empty when the file cannot be read.
std::string ReadFileText(const std::filesystem::path& path);
