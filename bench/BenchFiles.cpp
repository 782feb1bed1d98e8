#include "BenchFiles.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "Measure.h"
#include "model/Tovel.h"
#include "model/TovelFile.h"

ScratchFolder::ScratchFolder()
{
  std::string pattern = (std::filesystem::temp_directory_path() / "tovel-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
  m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

namespace {

void PutLittleEndian(std::vector<char>& bytes, std::size_t at, std::uint32_t value, int size)
{
  for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// A bottom-up 24-bit BMP, written a row at a time so that large pictures
// never sit in memory whole.
void WriteBmp(const std::filesystem::path& path, int width, int height, int seed)
{
  const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  const std::uint64_t pixelBytes = rowBytes * static_cast<std::uint64_t>(height);
  std::vector<char> header(54, 0);
  header[0] = 'B';
  header[1] = 'M';
  PutLittleEndian(header, 2, static_cast<std::uint32_t>(54 + pixelBytes), 4);
  PutLittleEndian(header, 10, 54, 4);
  PutLittleEndian(header, 14, 40, 4);
  PutLittleEndian(header, 18, static_cast<std::uint32_t>(width), 4);
  PutLittleEndian(header, 22, static_cast<std::uint32_t>(height), 4);
  PutLittleEndian(header, 26, 1, 2);
  PutLittleEndian(header, 28, 24, 2);
  PutLittleEndian(header, 34, static_cast<std::uint32_t>(pixelBytes), 4);

  std::ofstream out(path, std::ios::binary);
  out.write(header.data(), static_cast<std::streamsize>(header.size()));
  std::vector<char> row(rowBytes, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      row[x * 3] = static_cast<char>((x * 4 + seed * 13) & 255);
      row[x * 3 + 1] = static_cast<char>((y * 5 + seed * 7) & 255);
      row[x * 3 + 2] = static_cast<char>(((x ^ y) * 3 + seed) & 255);
    }
    out.write(row.data(), static_cast<std::streamsize>(row.size()));
  }
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

TovelTables MaximalTovel(const std::string& folder)
{
  TovelTables tables;
  tables.ClearLinks();
  tables.BitmapCount = MaxBitmaps;
  for (int slot = 0; slot < MaxBitmaps; ++slot)
    tables.BitmapNames[slot] = folder + "\\picture" + std::to_string(slot) + ".bmp";
  tables.ItemCount = MaxItems;
  for (int i = 0; i < MaxItems; ++i) {
    const int left = (i % 6) * 66;
    const int top = (i / 6) * 62;
    TovelItem& item = tables.ItemTable[i];
    if (i < 20)
      item = {left,
              top,
              left + 64,
              top + 48,
              FlagClickable | FlagFastRedraw,
              0,
              {std::to_string(i), std::to_string((i + 1) % 20), "-1", "-1"}};
    else if (i < 25)
      item = {left,
              top,
              left + 60,
              top + 21,
              FlagText | FlagFilled | FlagYellow,
              0,
              {"12.5", "0", "0", "0"}};
    else
      item = {left,
              top + 48,
              left + 60,
              top + 62,
              FlagText | FlagLabel | FlagFilled,
              0,
              {"out " + std::to_string(i - 24), "-1", "-1", "-1"}};
  }
  return tables;
}

} // namespace

PictureSet WritePictureSet(const std::filesystem::path& tovels, const std::string& folder,
                           int width, int height)
{
  PictureSet set;
  set.Width = width;
  set.Height = height;
  std::filesystem::create_directories(tovels / folder);
  for (int slot = 0; slot < MaxBitmaps; ++slot) {
    set.Pictures.push_back(tovels / folder / ("picture" + std::to_string(slot) + ".bmp"));
    WriteBmp(set.Pictures.back(), width, height, slot);
  }
  set.Tovel = tovels / (folder + ".tovel");
  const std::string text = FormatTovel(MaximalTovel(folder));
  std::ofstream out(set.Tovel, std::ios::binary);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + set.Tovel.string());
  return set;
}

std::filesystem::path WriteEmptyTovel(const std::filesystem::path& tovels, const std::string& name)
{
  TovelTables tables;
  tables.ClearLinks();
  const std::filesystem::path path = tovels / (name + ".tovel");
  const std::string text = FormatTovel(tables);
  std::ofstream out(path, std::ios::binary);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
  return path;
}

double ReadFiles(const std::vector<std::filesystem::path>& files)
{
  const Stopwatch clock;
  std::vector<char> bytes;
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    bytes.resize(std::filesystem::file_size(file));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size()))
      throw std::runtime_error("cannot read " + file.string());
  }
  return clock.Ms();
}

void RemovePictureSet(const PictureSet& set)
{
  std::error_code ignored;
  for (const auto& picture : set.Pictures) std::filesystem::remove(picture, ignored);
  std::filesystem::remove(set.Tovel, ignored);
}
