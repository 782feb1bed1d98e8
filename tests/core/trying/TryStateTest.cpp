// Trying a tovel: what its items show for the connections a user sets.
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "trying/TryState.h"

namespace {

TovelItem Item(int left, int top, int flags, const char* text = "0")
{
  return {left, top, left + 20, top + 20, flags, 0, {text, "1", "2", "3"}};
}

// Items 0 to 7: pictures for inputs, an output and a motor, texts for a
// value and a variable, and a picture item a value names.
TovelTables Wired()
{
  TovelTables t;
  t.ClearLinks();
  t.ItemCount = 8;
  t.ItemTable[0] = Item(0, 0, FlagClickable);
  t.ItemTable[1] = Item(40, 0, FlagClickable);
  t.ItemTable[2] = Item(5, 5, FlagClickable); // a motor's item over input 1's
  t.ItemTable[3] = Item(10, 10, FlagText | FlagFilled, "val1");
  t.ItemTable[4] = Item(80, 0, FlagText, "val1 less");
  t.ItemTable[5] = Item(120, 0, FlagText, "varx");
  t.ItemTable[6] = Item(160, 0, 0);
  t.ItemTable[7] = Item(200, 0, FlagClickable | FlagAutoOff);
  const int inputs[3][3] = {{0, -1, 3}, {1, -1, -1}, {99, 7, -1}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) t.InputLinks[r][c] = inputs[r][c];
  t.OutputLinks[0][0] = 1;
  // Columns 2 and 3 name inputs to switch off, which trying leaves alone.
  t.MotorLinks[0][0] = 2;
  t.MotorLinks[0][2] = 1;
  t.ValueLinks[0][0] = 3;
  t.ValueLinks[0][1] = 4;
  t.ValueLinks[1][0] = 6;
  t.VariableLinks[5] = 5;
  return t;
}

} // namespace

TEST(TryState, NumbersAndTheirRoundingToOnePlaceLess)
{
  struct Case {
    const char* typed;
    const char* lessPlace; // nullptr: not a number
  };
  const Case cases[] = {
      {"3.75", "3.8"},
      {"0.25", "0.3"},
      {"2.675", "2.68"},
      {"-0.05", "-0.1"},
      {"12", "12"},
      {"3.5", "4"},
      {"9.95", "10.0"},
      {"-9.96", "-10.0"},
      {"0.04", "0.0"},
      {"-0.4", "0"},
      {"007.25", "007.3"},
      {"-3.14", "-3.1"},
      {"123456789012.5", "123456789013"},
      {"", nullptr},
      {"-", nullptr},
      {".5", nullptr},
      {"5.", nullptr},
      {"+5", nullptr},
      {"1e3", nullptr},
      {"3,5", nullptr},
      {" 1", nullptr},
      {"1234567890123456", nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsTryNumber(c.typed), c.lessPlace != nullptr) << c.typed;
    if (c.lessPlace) {
      EXPECT_EQ(OneLessPlace(c.typed), c.lessPlace) << c.typed;
    }
  }
}

TEST(TryState, SettingsAreReadByNameAndRefusedWithTheReason)
{
  struct Case {
    const char* text;
    std::string error; // empty: accepted, and written back by its name
  };
  const Case cases[] = {
      {"in3=on", ""},
      {"out8=off", ""},
      {"motB=reverse", ""},
      {"motd=forward", ""},
      {"val4=-0.5", ""},
      {"varz=12", ""},
      {"in9=on", "there is no input 9 (inputs 1 to 8)"},
      {"in0=on", "there is no input 0 (inputs 1 to 8)"},
      {"motE=off", "there is no motor E (motors A to D)"},
      {"vare=1", "there is no variable e (variables a, b, c, d, n, x, y and z)"},
      {"val5=1", "there is no value 5 (values 1 to 4)"},
      {"in3=maybe", "an input is on or off, not 'maybe'"},
      {"motA=backward", "a motor is off, forward or reverse, not 'backward'"},
      {"val1=3,5",
       "a value is a decimal number of at most 15 characters, such as -12.5, not '3,5'"},
      {"varx=", "a variable is a decimal number of at most 15 characters, such as -12.5, not ''"},
      {"lamp1=on", "unknown connection 'lamp1'"},
      {"input3=on", "unknown connection 'input3'"},
      {"in3", "give NAME=VALUE, as in in3=on or val1=3.75"},
  };
  for (const auto& c : cases) {
    const TrySettingParse parse = ParseTrySetting(c.text);
    if (c.error.empty()) {
      ASSERT_TRUE(parse.Setting) << c.text << ": " << parse.Error;
      const std::string text = c.text;
      EXPECT_EQ(ConnectionName(parse.Setting->Kind, parse.Setting->Index),
                text.substr(0, 3) == "mot"
                    ? "mot" + std::string(1, static_cast<char>(std::toupper(text[3])))
                    : text.substr(0, text.find('=')))
          << c.text;
    } else {
      EXPECT_FALSE(parse.Setting) << c.text;
      EXPECT_EQ(parse.Error.substr(0, c.error.size()), c.error) << c.text;
    }
  }
  EXPECT_EQ(ParseTrySetting("motB=reverse").Setting->Run, MotorRun::Reverse);
  EXPECT_TRUE(ParseTrySetting("in3=on").Setting->On);
  EXPECT_EQ(ParseTrySetting("val4=-0.5").Setting->Number, "-0.5");
}

TEST(TryState, ItemsShowTheConnectionsInTheOrderTheyWereSet)
{
  struct Case {
    std::vector<const char*> settings;
    std::vector<int> states;           // items 0 to 7
    std::vector<const char*> readings; // items 3 to 6, "" for the item's own text
  };
  const std::vector<const char*> none = {"", "", "", ""};
  const Case cases[] = {
      {{}, {0, 0, 0, 0, 0, 0, 0, 0}, none},
      {{"in1=on"}, {1, 0, 0, 0, 0, 0, 0, 0}, none},
      // Input 1 on switches input 3 off; the link to item 99 is passed over.
      {{"in3=on"}, {0, 0, 0, 0, 0, 0, 0, 1}, none},
      {{"in3=on", "in1=on"}, {1, 0, 0, 0, 0, 0, 0, 0}, none},
      {{"in3=on", "in1=on", "in1=off"}, {0, 0, 0, 0, 0, 0, 0, 0}, none},
      // Input 2 and output 1 show item 1: the later change wins.
      {{"in2=on", "out1=off"}, {0, 0, 0, 0, 0, 0, 0, 0}, none},
      {{"out1=off", "in2=on"}, {0, 1, 0, 0, 0, 0, 0, 0}, none},
      // A motor's two off states, and its inputs to switch off not played.
      {{"in1=on", "motA=forward"}, {1, 0, 1, 0, 0, 0, 0, 0}, none},
      {{"motA=forward", "motA=off"}, {0, 0, 0, 0, 0, 0, 0, 0}, none},
      {{"motA=reverse"}, {0, 0, 3, 0, 0, 0, 0, 0}, none},
      {{"motA=reverse", "motA=off"}, {0, 0, 2, 0, 0, 0, 0, 0}, none},
      {{"motA=reverse", "motA=off", "motA=off"}, {0, 0, 2, 0, 0, 0, 0, 0}, none},
      {{"motA=reverse", "motA=forward", "motA=off"}, {0, 0, 0, 0, 0, 0, 0, 0}, none},
      // Readings: as typed, one place less, and none on a picture item.
      {{"val1=2.675", "varx=-12", "val2=5"},
       {0, 0, 0, 0, 0, 0, 0, 0},
       {"2.675", "2.68", "-12", ""}},
      {{"val1=3.75", "val1=0.25"}, {0, 0, 0, 0, 0, 0, 0, 0}, {"0.25", "0.3", "", ""}},
  };
  for (const auto& c : cases) {
    TovelTables tables = Wired();
    tables.ItemTable[2].State = 3;
    const TovelTables before = tables;
    TryState trying(tables);
    trying.Start();
    std::string steps;
    for (const char* text : c.settings) {
      steps += std::string(text) + " ";
      trying.Apply(*ParseTrySetting(text).Setting);
    }
    for (int i = 0; i < 8; ++i) EXPECT_EQ(tables.ItemTable[i].State, c.states[i]) << steps << i;
    for (int i = 3; i < 7; ++i) {
      const auto& text = trying.Texts()[i];
      EXPECT_EQ(text.value_or(""), c.readings[i - 3]) << steps << i;
      // Drawn in place of the shown entry, which itself is not touched.
      EXPECT_EQ(trying.AsShown(i).Contents[0], text.value_or(before.ItemTable[i].Contents[0]));
    }
    trying.Stop();
    EXPECT_TRUE(tables == before) << steps;
  }
}

TEST(TryState, ChangesStartStopClicksAndConnectionsShown)
{
  TovelTables tables = Wired();
  tables.ItemTable[1].State = 2;
  tables.ItemTable[4].State = -1;
  TryState trying(tables);
  // Start names every item whose state was not 0, as it looked.
  const auto started = trying.Start();
  ASSERT_EQ(started.size(), 2u);
  EXPECT_EQ(started[0].Item, 1);
  EXPECT_EQ(started[0].Before.State, 2);
  EXPECT_EQ(started[1].Item, 4);

  // One change per item, with its look before the first one.
  const auto changed = trying.Apply(*ParseTrySetting("val1=1.25").Setting);
  ASSERT_EQ(changed.size(), 2u);
  EXPECT_EQ(changed[0].Before.Contents[0], "val1");
  EXPECT_TRUE(trying.Apply(*ParseTrySetting("val1=1.25").Setting).empty());
  const auto again = trying.Apply(*ParseTrySetting("val1=7").Setting);
  ASSERT_EQ(again.size(), 2u);
  EXPECT_EQ(again[0].Before.Contents[0], "1.25");
  EXPECT_EQ(again[1].Before.Contents[0], "1.3");

  // Clicks at zoom 2, the page at (10, 10): the text item over input 1's
  // item does not catch them, nor does the motor's clickable item.
  struct Click {
    Point at;
    int input;
    bool autoOff;
  };
  const Click clicks[] = {
      {{10 + 2 * 12, 10 + 2 * 12}, 0, false}, {{10 + 2 * 1, 10 + 2 * 1}, 0, false},
      {{10 + 2 * 41, 10}, 1, false},          {{10 + 2 * 219, 10 + 2 * 19}, 2, true},
      {{10 + 2 * 220, 10}, -1, false},        {{10 + 2 * 125, 10}, -1, false},
  };
  for (const auto& c : clicks) {
    const TryState::Click got = trying.ClickAt(c.at, 2, {10, 10}, true);
    EXPECT_EQ(got.Input, c.input) << c.at.X << "," << c.at.Y;
    EXPECT_EQ(got.AutoOff, c.autoOff) << c.at.X << "," << c.at.Y;
  }

  const std::pair<ConnectionKind, int> shown[] = {{ConnectionKind::Input, 2},
                                                  {ConnectionKind::Output, 0},
                                                  {ConnectionKind::Motor, 0},
                                                  {ConnectionKind::Value, 0},
                                                  {ConnectionKind::Variable, 5}};
  const std::pair<ConnectionKind, int> unseen[] = {{ConnectionKind::Input, 3},
                                                   {ConnectionKind::Output, 1},
                                                   {ConnectionKind::Motor, 1},
                                                   {ConnectionKind::Value, 1},
                                                   {ConnectionKind::Variable, 0}};
  for (const auto& [kind, index] : shown) EXPECT_TRUE(trying.IsShown(kind, index)) << index;
  for (const auto& [kind, index] : unseen) EXPECT_FALSE(trying.IsShown(kind, index)) << index;

  // Stop gives back the states and names what changed, as it looked.
  const auto stopped = trying.Stop();
  ASSERT_EQ(stopped.size(), 3u);
  EXPECT_EQ(stopped[1].Item, 3);
  EXPECT_EQ(stopped[1].Before.Contents[0], "7");
  EXPECT_EQ(tables.ItemTable[1].State, 2);
  EXPECT_EQ(tables.ItemTable[4].State, -1);
  EXPECT_FALSE(trying.Texts()[3]);
}
