#include "bitmaps/BitmapSet.h"

#include <algorithm>
#include <utility>

#include "bitmaps/BitmapLoading.h"
#include "editing/ItemOperations.h"
#include "editing/ViewGeometry.h"
#include "model/LeadingNumber.h"
#include "model/Tovel.h"
#include "model/TovelFile.h"
#include "platform/FileCopy.h"
#include "platform/FileIo.h"
#include "platform/Listing.h"
#include "platform/Paths.h"
#include "platform/Windows1252.h"

namespace {

constexpr std::size_t MaxFolderNameChars = 8;

bool IsControl(char c)
{
  return static_cast<unsigned char>(c) < 0x20 || c == '\x7F';
}

bool HoldsControl(std::string_view text)
{
  return std::any_of(text.begin(), text.end(), IsControl);
}

std::string Quoted(std::string_view utf8)
{
  return "\"" + std::string(utf8) + "\"";
}

} // namespace

std::string BitmapShortName(std::string_view name)
{
  const auto position = [&](char c) -> long {
    const auto found = name.find(c);
    return found == std::string_view::npos ? -1 : static_cast<long>(found);
  };
  const long a = position('\\');
  const long b = position('.');
  const auto start = static_cast<std::size_t>(a + 1);
  if (b - a < 2) return std::string(name.substr(start));
  return std::string(name.substr(start, static_cast<std::size_t>(b - a - 1)));
}

AddBitmapResult AddBitmap(const std::string& name)
{
  AddBitmapResult result;
  for (int i = 0; i < BitmapCount && i < MaxBitmaps; ++i) {
    const std::string& held = BitmapNames[static_cast<std::size_t>(i)];
    if (!held.empty() && platform::EqualsIgnoreCase(held, name)) {
      result.Outcome = AddBitmapOutcome::AlreadyInSet;
      result.Slot = i;
      return result;
    }
  }
  if (BitmapCount >= MaxBitmaps) {
    result.Outcome = AddBitmapOutcome::SetFull;
    return result;
  }
  const std::string shown = Quoted(platform::Cp1252ToUtf8(name));
  if (name.empty()) {
    result.Reason = "A bitmap needs a file name.";
    return result;
  }
  if (name.find(';') != std::string::npos || HoldsControl(name)) {
    result.Reason = "The bitmap " + shown +
                    " cannot be used: its name holds a semicolon or a control character, which a "
                    "tovel file cannot store.";
    return result;
  }
  if (NamesLineLength(TheTovel) + name.size() + 1 > MaxTovelLineChars) {
    result.Reason =
        "The bitmap " + shown +
        " cannot be added: the names of all bitmaps together would be longer than " +
        std::to_string(MaxTovelLineChars) +
        " characters, more than a tovel file can hold. Use shorter folder or file names.";
    return result;
  }
  const int k = BitmapCount;
  BitmapNames[static_cast<std::size_t>(k)] = name;
  LoadBitmapSlot(k, &result.LoadProblem);
  BitmapCount = k + 1;
  result.Outcome = AddBitmapOutcome::Added;
  result.Slot = k;
  return result;
}

bool RemoveBitmap(int k)
{
  if (k < 0 || k >= BitmapCount || k >= MaxBitmaps) return false;
  const auto index = [](int i) { return static_cast<std::size_t>(i); };
  BitmapImages[index(k)].Release();
  BitmapNames[index(k)].clear();
  for (int i = k; i < BitmapCount - 1; ++i) {
    BitmapNames[index(i)] = std::move(BitmapNames[index(i + 1)]);
    BitmapSlot& to = BitmapImages[index(i)];
    BitmapSlot& from = BitmapImages[index(i + 1)];
    to.Bitmap = std::move(from.Bitmap);
    to.Palette = std::move(from.Palette);
    to.Width = from.Width;
    to.Height = from.Height;
  }
  --BitmapCount;
  BitmapSlot& freed = BitmapImages[index(BitmapCount)];
  freed.Release();
  freed.Width = 0;
  freed.Height = 0;
  BitmapNames[index(BitmapCount)].clear();

  for (int item = 0; item < ItemCount && item < MaxItems; ++item) {
    TovelItem& entry = ItemTable[index(item)];
    if (entry.Flags & FlagText) continue;
    for (std::string& picture : entry.Contents) {
      const int g = LeadingNumber(picture);
      if (g == k)
        picture = "-1";
      else if (g > k)
        picture = std::to_string(g - 1);
    }
  }
  return true;
}

bool UsableInBitmapName(std::string_view modelName)
{
  if (modelName.empty() || modelName == "." || modelName == "..") return false;
  if (HoldsControl(modelName)) return false;
  return modelName.find_first_of("\\/;") == std::string_view::npos;
}

std::optional<std::string> NewFolderNameProblem(std::string_view utf8Name)
{
  if (utf8Name.empty()) return "Please type a name for the new folder.";
  const auto model = platform::Utf8ToCp1252(utf8Name);
  if (!model)
    return "The folder name " + Quoted(utf8Name) +
           " holds a character that tovel files cannot store. Please use letters, digits and "
           "common punctuation only.";
  if (model->size() > MaxFolderNameChars)
    return "Please enter no more than " + std::to_string(MaxFolderNameChars) + " characters.";
  if (*model == "." || *model == "..")
    return Quoted(utf8Name) + " cannot be the name of a new folder.";
  if (model->find_first_of("\\/") != std::string::npos)
    return "A folder name cannot hold \\ or /: the new folder is made in the tovels folder.";
  if (model->find_first_of("<>:\"|?*;") != std::string::npos || HoldsControl(*model))
    return "A folder name cannot hold any of the characters < > : \" | ? * ;";
  if (model->back() == ' ' || model->back() == '.')
    return "A folder name cannot end with a space or a full stop.";
  return std::nullopt;
}

std::optional<std::string> MakeBitmapFolder(const std::filesystem::path& tovelsFolder,
                                            std::string_view utf8Name)
{
  if (auto problem = NewFolderNameProblem(utf8Name)) return problem;
  std::error_code error;
  if (!std::filesystem::is_directory(tovelsFolder, error))
    return "The tovels folder " + platform::DisplayPath(tovelsFolder) +
           " does not exist, so no folder can be made in it.";
  const auto model = platform::Utf8ToCp1252(utf8Name);
  for (const std::string& existing : platform::ListFolders(tovelsFolder)) {
    const auto existingModel = platform::Utf8ToCp1252(existing);
    if (existingModel && platform::EqualsIgnoreCase(*existingModel, *model))
      return "A folder named " + Quoted(existing) + " exists already.";
  }
  const std::filesystem::path target = tovelsFolder / platform::PathFromUtf8(utf8Name);
  if (auto problem = platform::CreateFolder(target))
    return "The folder could not be made. " + *problem;
  return std::nullopt;
}

std::optional<std::string> CopiedBitmapNameProblem(std::string_view utf8Name)
{
  const auto model = platform::Utf8ToCp1252(utf8Name);
  if (!model)
    return "The file name " + Quoted(utf8Name) +
           " holds a character that tovel files cannot store. Rename the file first.";
  if (!platform::MatchesWildcard(*model, "*.BMP"))
    return "Only bitmap files, whose names end in .bmp, can be copied.";
  if (!UsableInBitmapName(*model))
    return "The file name " + Quoted(utf8Name) +
           " holds \\, ; or a control character, which a tovel file cannot store. Rename the "
           "file first.";
  return std::nullopt;
}

namespace {

// The tovel names a file ignoring letter case: a file or folder of the
// name in any case counts as existing.
std::optional<std::string> ExistsInFolder(const std::filesystem::path& folder,
                                          std::string_view utf8Name)
{
  const auto model = platform::Utf8ToCp1252(utf8Name);
  std::error_code error;
  for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    const auto existing = platform::Utf8ToCp1252(platform::Utf8FromPath(entry->path().filename()));
    if (model && existing && platform::EqualsIgnoreCase(*existing, *model))
      return platform::DisplayPath(entry->path()) + " exists already.";
  }
  return std::nullopt;
}

} // namespace

std::optional<std::string> CopyBitmapIntoFolder(const std::filesystem::path& source,
                                                const std::filesystem::path& folder)
{
  if (auto exists = ExistsInFolder(folder, platform::Utf8FromPath(source.filename())))
    return exists;
  return platform::CopyFileNoOverwrite(source, folder / source.filename());
}

bool IsBmpFileName(std::string_view utf8Name)
{
  return utf8Name.size() >= 4 &&
         platform::EqualsIgnoreCase(utf8Name.substr(utf8Name.size() - 4), ".bmp");
}

std::string ConvertedBitmapName(std::string_view utf8SourceName)
{
  std::string_view stem = utf8SourceName.substr(0, utf8SourceName.rfind('.'));
  // Eight characters, not bytes: a UTF-8 character's later bytes are 10xxxxxx.
  std::size_t end = 0;
  for (std::size_t characters = 0; end < stem.size() && characters < MaxFolderNameChars;
       ++characters) {
    ++end;
    while (end < stem.size() && (static_cast<unsigned char>(stem[end]) & 0xC0) == 0x80) ++end;
  }
  stem = stem.substr(0, end);
  while (!stem.empty() && (stem.back() == ' ' || stem.back() == '.')) stem.remove_suffix(1);
  return std::string(stem.empty() ? "picture" : stem) + ".bmp";
}

std::optional<std::string> ConvertedPictureProblem(int width, int height)
{
  if (width <= PageWidth && height <= PageHeight) return std::nullopt;
  return "The picture is " + std::to_string(width) + " x " + std::to_string(height) +
         " pixels, larger than the tovel page (" + std::to_string(PageWidth) + " x " +
         std::to_string(PageHeight) + "). Please choose a smaller picture.";
}

std::optional<std::string> WriteBitmapIntoFolder(std::span<const std::uint8_t> bytes,
                                                 std::string_view utf8Name,
                                                 const std::filesystem::path& folder)
{
  if (auto exists = ExistsInFolder(folder, utf8Name)) return exists;
  return platform::WriteNewFile(folder / platform::PathFromUtf8(std::string(utf8Name)), bytes);
}

bool BitmapTreeOrder(std::string_view a, std::string_view b)
{
  return platform::ShownNameLess(platform::Cp1252ToUtf8(a), platform::Cp1252ToUtf8(b));
}

std::array<std::string, 4> PictureNames(const std::array<std::string, 4>& pictures,
                                        const TovelTables& tables)
{
  std::array<std::string, 4> names;
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const int slot = PictureSlotOfReference(pictures[i]);
    if (slot >= 0 && slot < tables.BitmapCount)
      names[i] = tables.BitmapNames[static_cast<std::size_t>(slot)];
  }
  return names;
}

void FollowPictureNames(std::array<std::string, 4>& pictures,
                        const std::array<std::string, 4>& names, const TovelTables& tables)
{
  const int count = std::clamp(tables.BitmapCount, 0, MaxBitmaps);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    if (names[i].empty()) continue;
    const auto end = tables.BitmapNames.begin() + count;
    const auto found = std::find(tables.BitmapNames.begin(), end, names[i]);
    pictures[i] =
        found == end ? std::string("-1") : std::to_string(found - tables.BitmapNames.begin());
  }
}
