#include <gtest/gtest.h>

#include <filesystem>

#include "common/PosixOnly.h"
#include "common/TempFolder.h"
#include "platform/Listing.h"

using namespace platform;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

namespace {

class ListingTest : public ::testing::Test {
protected:
  void MakeFiles(std::initializer_list<const char*> names)
  {
    for (const char* name : names) folder_.Write(name, "x");
  }
  TempFolder folder_{"tovel-listing"};
  const fs::path root_ = folder_.Path();
};

} // namespace

TEST(Wildcard, MatchesTheWindowsWay)
{
  for (const char* name : {"a.bmp", "B.BMP", "c.Bmp", "x.y.bmp"}) {
    EXPECT_TRUE(MatchesWildcard(name, "*.BMP")) << name;
  }
  for (const char* name : {"a.bmpx", "bmp", "abmp", "a.bm"}) {
    EXPECT_FALSE(MatchesWildcard(name, "*.BMP")) << name;
  }
  EXPECT_TRUE(MatchesWildcard("README", "*."));
  EXPECT_FALSE(MatchesWildcard("x.txt", "*."));
  EXPECT_FALSE(MatchesWildcard(".hidden", "*."));
  EXPECT_TRUE(MatchesWildcard("README", "*.*"));
  EXPECT_TRUE(MatchesWildcard("a.b.c", "*.*"));
  EXPECT_TRUE(MatchesWildcard("pump1.tvl", "PUMP?.TVL"));
  EXPECT_FALSE(MatchesWildcard("pump12.tvl", "pump?.tvl"));
  EXPECT_FALSE(MatchesWildcard("pump.tvl", "pump?.tvl"));
  EXPECT_TRUE(MatchesWildcard("mississippi", "m*iss*ppi"));
  EXPECT_FALSE(MatchesWildcard("mississippi", "m*iss*ppx"));
  EXPECT_TRUE(MatchesWildcard("\xC4rger.tvl", "\xE4*.TVL"));
  EXPECT_TRUE(MatchesWildcard("anything", "*"));
  EXPECT_FALSE(MatchesWildcard("anything", ""));
}

TEST_F(ListingTest, ListsMatchingFilesSortedIgnoringCase)
{
  SKIP_ON_WINDOWS("byte-string names and symbolic links");
  MakeFiles({"x.txt", "README", "Zeta", "alpha", "a.bmp", "A.BMP", "B.BMP", "c.Bmp", "d.bmpx",
             "bmp", "m\xC3\xBCller.bmp", "\xE4\xB8\xAD.bmp", "\xFF.bmp"});
  fs::create_directory(root_ / "sub");
  fs::create_directory(root_ / "pics.bmp");
  fs::create_symlink(root_ / "a.bmp", root_ / "link.bmp");
  fs::create_symlink(root_ / "gone.bmp", root_ / "dangling.bmp");

  EXPECT_EQ(ListFiles(root_, "*."), (Names{"alpha", "bmp", "README", "Zeta"}));
  // Every name is listed, also one that is not UTF-8 (read as Windows-1252)
  // or that Windows-1252 cannot hold; names equal but for case come in byte
  // order.
  EXPECT_EQ(ListFiles(root_, "*.BMP"),
            (Names{"A.BMP", "a.bmp", "B.BMP", "c.Bmp", "link.bmp", "m\xC3\xBCller.bmp", "\xFF.bmp",
                   "\xE4\xB8\xAD.bmp"}));
  EXPECT_EQ(ListFiles(root_, "?.txt"), (Names{"x.txt"}));
  EXPECT_TRUE(ListFiles(root_, "*.tvl").empty());
}

TEST_F(ListingTest, NamesWrittenOnWindowsAreListedAndAccentsSortWithTheirLetters)
{
  SKIP_ON_WINDOWS("byte-string names; NamesOnWindows lists UTF-16 names");
  // "caf\xE9" and "\xC9t\xE9" are Windows-1252 bytes, not UTF-8; "\xC3\x84rger"
  // is UTF-8.
  MakeFiles({"with space", "Zeta", "\xC3\x84rger", "apfel", "Auto", "caf\xE9", "Cafe", "\xC9t\xE9",
             "etage", "\xC3\xA4rger"});
  EXPECT_EQ(ListFiles(root_, "*."), (Names{"apfel", "\xC3\x84rger", "\xC3\xA4rger", "Auto", "Cafe",
                                           "caf\xE9", "etage", "\xC9t\xE9", "with space", "Zeta"}));
}

TEST_F(ListingTest, ListsFoldersAndToleratesMissingOnes)
{
  SKIP_ON_WINDOWS("byte-string names and symbolic links");
  MakeFiles({"file", "other.txt"});
  for (const char* name : {"sub", "Alpha", "dotted.dir", "\xFF"})
    fs::create_directory(root_ / name);
  fs::create_directory_symlink(root_ / "sub", root_ / "beta");

  EXPECT_EQ(ListFolders(root_), (Names{"Alpha", "beta", "dotted.dir", "sub", "\xFF"}));
  EXPECT_TRUE(ListFolders(root_ / "sub").empty());

  EXPECT_TRUE(ListFiles(root_ / "missing", "*.*").empty());
  EXPECT_TRUE(ListFolders(root_ / "missing").empty());
  EXPECT_TRUE(ListFiles(root_ / "file", "*.*").empty()); // a file, not a folder
  EXPECT_TRUE(ListFolders(root_ / "file").empty());
}
