#include "bitmaps/BitmapLoading.h"

#include <exception>
#include <filesystem>
#include <utility>

#include "bitmaps/BmpPixels.h"
#include "model/Tovel.h"
#include "platform/FileIo.h"
#include "platform/Paths.h"
#include "platform/Windows1252.h"

namespace fs = std::filesystem;

namespace {

// Reads the file into bytes, whole or only its start, and gives its size;
// or gives the reason it cannot be used.
std::string ReadBitmapFile(const fs::path& path, BitmapDetail detail,
                           std::vector<std::uint8_t>& bytes, std::uint64_t& fileSize)
{
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (status.type() == fs::file_type::not_found) return "it does not exist";
  if (fs::is_directory(status)) return "it is a folder, not a file";
  const std::uintmax_t size = fs::file_size(path, error);
  if (!error && size > MaxBitmapFileBytes) return "it is larger than 64 MiB";

  const bool whole = detail == BitmapDetail::Pixels || error;
  auto file = platform::ReadFileBytes(path, whole ? MaxBitmapFileBytes : BmpHeaderBytes);
  if (!file.Error.empty()) return "it could not be opened or read";
  if (whole) {
    // A file that grew past the limit since its size was asked.
    if (file.Truncated) return "it is larger than 64 MiB";
    fileSize = file.Bytes.size();
  } else
    fileSize = file.Truncated ? size : file.Bytes.size();
  bytes = std::move(file.Bytes);
  return {};
}

void EmptySlot(BitmapSlot& slot)
{
  slot.Release();
  slot.Width = 0;
  slot.Height = 0;
}

} // namespace

bool LoadBitmapSlot(int slot, std::string* problem, BitmapDetail detail)
{
  if (slot < 0 || slot >= MaxBitmaps) return false;
  if (problem) problem->clear();
  BitmapSlot& target = BitmapImages[static_cast<std::size_t>(slot)];
  const std::string& name = BitmapNames[static_cast<std::size_t>(slot)];
  if (name.empty()) {
    EmptySlot(target);
    if (problem) *problem = "Bitmap " + std::to_string(slot) + " has no file name.";
    return true;
  }

  const std::string windowsPath = platform::JoinTovelsPath(TovelsFolder, name);
  std::string shownPath = platform::Cp1252ToUtf8(windowsPath);
  std::vector<std::uint8_t> bytes;
  std::uint64_t fileSize = 0;
  std::string reason;
  BmpReadResult header;
  try {
    const fs::path path = platform::NativePath(windowsPath);
    shownPath = platform::DisplayPath(path);
    reason = ReadBitmapFile(path, detail, bytes, fileSize);
    if (reason.empty()) {
      header = ReadBmpHeader(bytes, fileSize);
      reason = header.Problem;
    }
  } catch (const std::exception&) {
    reason = "it could not be read";
  }

  EmptySlot(target);
  if (reason.empty()) {
    // Size and palette come from the header alone, so that they do not
    // depend on whether the pixels are decoded.
    const BmpInfo& info = *header.Info;
    target.Palette = std::make_unique<ColourPalette>(MakePalette(info));
    target.Width = info.Width;
    target.Height = info.Height;
    if (detail == BitmapDetail::SizeOnly) return true;
    try {
      target.Bitmap = DecodeBmp(std::move(bytes), info);
    } catch (const std::exception&) {
      target.Bitmap.reset();
    }
    if (target.Bitmap) return true;
    reason = "its pixels could not be decoded";
  }
  if (problem) *problem = "The bitmap file " + shownPath + " could not be read: " + reason + ".";
  return true;
}

std::vector<std::string> LoadAllBitmapSlots(BitmapDetail detail)
{
  std::vector<std::string> problems;
  // BitmapCount is read again on every round rather than once up front.
  for (int slot = 0; slot < BitmapCount && slot < MaxBitmaps; ++slot) {
    std::string problem;
    LoadBitmapSlot(slot, &problem, detail);
    if (!problem.empty()) problems.push_back(std::move(problem));
  }
  return problems;
}

std::vector<std::string> FollowBitmapNames(const std::array<std::string, MaxBitmaps>& oldNames)
{
  std::array<BitmapSlot, MaxBitmaps> old;
  for (std::size_t i = 0; i < old.size(); ++i) old[i] = std::exchange(BitmapImages[i], {});
  std::array<bool, MaxBitmaps> taken{};
  std::vector<std::string> problems;
  for (int slot = 0; slot < BitmapCount && slot < MaxBitmaps; ++slot) {
    const auto to = static_cast<std::size_t>(slot);
    const std::string& name = BitmapNames[to];
    std::size_t from = 0;
    while (from < oldNames.size() && (taken[from] || oldNames[from] != name)) ++from;
    // A picture that could not be read was reported when it was loaded.
    if (!name.empty() && from < oldNames.size()) {
      taken[from] = true;
      BitmapImages[to] = std::move(old[from]);
      continue;
    }
    std::string problem;
    LoadBitmapSlot(slot, &problem);
    if (!problem.empty()) problems.push_back(std::move(problem));
  }
  return problems;
}
