#include "common/TempFolder.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <unistd.h>

namespace {

// Counts the folders made by this process, so that two made in the same
// process never share a name even if the random part repeats.
std::atomic<unsigned> FoldersMade{0};

} // namespace

TempFolder::TempFolder(std::string_view label)
{
  std::random_device random;
  const std::string stem = std::string(label) + "-" + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    Folder = std::filesystem::temp_directory_path() /
             (stem + std::to_string(FoldersMade++) + "-" + std::to_string(random()));
    // create_directory is false when the name is taken: try another one.
    if (std::filesystem::create_directory(Folder)) return;
  }
  throw std::runtime_error("could not make a temporary folder under " +
                           std::filesystem::temp_directory_path().string());
}

TempFolder::~TempFolder()
{
  std::error_code ignored;
  std::filesystem::remove_all(Folder, ignored);
}

std::filesystem::path TempFolder::Write(const std::filesystem::path& relative,
                                        std::string_view bytes) const
{
  const std::filesystem::path file = Folder / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw std::runtime_error("could not write " + file.string());
  return file;
}

std::string ReadFileText(const std::filesystem::path& path)
{
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
