#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "editing/ItemEditing.h"
#include "model/TovelFile.h"

namespace {

// Bitmap slots with the given sizes, slot by slot; the others stay 0 x 0.
std::array<BitmapSlot, MaxBitmaps> Slots(std::initializer_list<Point> sizes)
{
  std::array<BitmapSlot, MaxBitmaps> slots{};
  int slot = 0;
  for (const Point& size : sizes) {
    slots[slot].Width = size.X;
    slots[slot].Height = size.Y;
    ++slot;
  }
  return slots;
}

TovelItem PictureItem(std::string c0, std::string c1 = "-1", std::string c2 = "-1",
                      std::string c3 = "-1")
{
  return {10, 60, 20, 100, 0, 0, {std::move(c0), std::move(c1), std::move(c2), std::move(c3)}};
}

bool Mentions(const std::optional<std::string>& problem, const std::string& piece)
{
  return problem && problem->find(piece) != std::string::npos;
}

} // namespace

TEST(ItemEditing, CoordinateFieldsReadAWholeNumberOrZero)
{
  EXPECT_EQ(CoordinateFieldValue("120"), 120);
  EXPECT_EQ(CoordinateFieldValue("-35"), -35);
  EXPECT_EQ(CoordinateFieldValue(" +8 "), 8);
  EXPECT_EQ(CoordinateFieldValue("\t7"), 7);
  // While the user is still typing.
  EXPECT_EQ(CoordinateFieldValue("-"), 0);
  EXPECT_EQ(CoordinateFieldValue(" "), 0);
  EXPECT_EQ(CoordinateFieldValue(""), 0);
  // Text that is not a number as a whole reads as 0, not as its start.
  EXPECT_EQ(CoordinateFieldValue("12ab"), 0);
  EXPECT_EQ(CoordinateFieldValue("1 2"), 0);
  EXPECT_EQ(CoordinateFieldValue("--3"), 0);
  EXPECT_EQ(CoordinateFieldValue("ab12"), 0);
  EXPECT_EQ(CoordinateFieldValue("99999999999"), INT_MAX);
  EXPECT_EQ(CoordinateFieldValue("-99999999999"), INT_MIN);
  // The field then shows what was stored, not what was typed.
  EXPECT_EQ(CoordinateFieldText("99999999999"), "2147483647");
  EXPECT_EQ(CoordinateFieldText(" -99999999999999999999999 "), "-2147483648");
  for (const char* kept : {"-2147483648", "+2147483647", "-", "12ab", "007"})
    EXPECT_EQ(CoordinateFieldText(kept), kept);
}

TEST(ItemEditing, FitSizesTheItemToItsLargestPictureKeepingBottomLeft)
{
  const auto slots = Slots({{32, 32}, {64, 48}, {16, 80}, {200, 200}});

  TovelItem item = PictureItem("0", "1");
  FitItemToPictures(item, slots, 4);
  EXPECT_EQ(item.Left, 10);
  EXPECT_EQ(item.Bottom, 100);
  EXPECT_EQ(item.Right, 74);
  EXPECT_EQ(item.Top, 52);

  // Width and height may come from different pictures.
  item = PictureItem("1", "-1", "2");
  FitItemToPictures(item, slots, 4);
  EXPECT_EQ(item.Right - item.Left, 64);
  EXPECT_EQ(item.Bottom - item.Top, 80);

  // A text with no leading number names picture 0; "3 big" names 3.
  EXPECT_EQ(LargestPictureSize(PictureItem("New"), slots, 4), (Point{32, 32}));
  EXPECT_EQ(LargestPictureSize(PictureItem("3 big"), slots, 4), (Point{200, 200}));
}

TEST(ItemEditing, FitCountsOnlySlotsInUse)
{
  const auto slots = Slots({{32, 32}, {64, 48}, {16, 80}, {200, 200}});

  // No picture at all: the item shrinks to nothing at its bottom-left corner.
  TovelItem item = PictureItem("-1");
  FitItemToPictures(item, slots, 4);
  EXPECT_EQ(item.Right, item.Left);
  EXPECT_EQ(item.Top, item.Bottom);

  // Slots at or beyond BitmapCount hold no picture, whatever size they kept.
  EXPECT_EQ(LargestPictureSize(PictureItem("1", "3"), slots, 2), (Point{64, 48}));
  EXPECT_EQ(LargestPictureSize(PictureItem("3"), slots, 3), (Point{0, 0}));
  // Numbers above 19 and negative ones name no picture.
  EXPECT_EQ(LargestPictureSize(PictureItem("20", "-2", "25", "-1"), slots, MaxBitmaps),
            (Point{0, 0}));

  // Far-out coordinates are clamped rather than overflowing.
  item = PictureItem("3");
  item.Left = INT_MAX - 5;
  item.Bottom = INT_MIN + 5;
  FitItemToPictures(item, slots, 4);
  EXPECT_EQ(item.Right, INT_MAX);
  EXPECT_EQ(item.Top, INT_MIN);
}

TEST(ItemEditing, TextsThatWouldBreakTheFileAreRefused)
{
  const TovelItem item = {10, 10, 100, 30, 10, 0, {"New", "-1", "-1", "-1"}};
  EXPECT_FALSE(ItemTextProblem(item, "Pump 1 (on)"));
  EXPECT_FALSE(ItemTextProblem(item, ""));
  EXPECT_FALSE(ItemTextProblem(item, "caf\xe9"));

  EXPECT_TRUE(Mentions(ItemTextProblem(item, "a,b"), "comma"));
  EXPECT_TRUE(Mentions(ItemTextProblem(item, "a;"), "semicolon"));
  EXPECT_TRUE(Mentions(ItemTextProblem(item, "two\nlines"), "one line"));
  EXPECT_TRUE(Mentions(ItemTextProblem(item, "two\rlines"), "one line"));
  EXPECT_TRUE(ItemTextProblem(item, std::string("nul\0x", 5)));
}

TEST(ItemEditing, ItemLinesStayWithinTheLongestFileLine)
{
  TovelItem item = {10, 10, 100, 30, 10, 0, {"", "-1", "-1", "-1"}};
  const std::size_t room = MaxTovelLineChars - ItemLineLength(item);
  EXPECT_FALSE(ItemTextProblem(item, std::string(room, 'x')));
  EXPECT_TRUE(Mentions(ItemTextProblem(item, std::string(room + 1, 'x')), "1 character shorter"));
  EXPECT_TRUE(Mentions(ItemTextProblem(item, std::string(room + 4, 'x')), "4 characters"));

  // With the text at the limit, a coordinate that needs more digits would
  // push the line past it; one with as many digits would not.
  item.Contents[0].assign(room, 'x');
  TovelItem wider = item;
  wider.Right = 1000;
  EXPECT_TRUE(Mentions(ItemChangeProblem(item, wider), "1 character too long"));
  wider.Right = 999;
  EXPECT_FALSE(ItemChangeProblem(item, wider));

  // A line that is too long already may still be shortened, never lengthened.
  item.Contents[0].assign(room + 10, 'x');
  EXPECT_FALSE(ItemTextProblem(item, std::string(room + 9, 'x')));
  EXPECT_FALSE(ItemTextProblem(item, std::string(room + 10, 'x')));
  EXPECT_TRUE(ItemTextProblem(item, std::string(room + 11, 'x')));
}
