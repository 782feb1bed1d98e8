// The batch export through the real executable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/RunTovelcreator.h"
#include "common/TempFolder.h"

namespace fs = std::filesystem;

namespace {

class ExportNative : public ::testing::Test {
protected:
  RunResult Tovelcreator(const std::string& arguments) { return RunTovelcreator(arguments, m_dir); }

  TempFolder m_temp{"tovel-cli"};
  const fs::path m_dir = m_temp.Path();
};

std::string Tables()
{
  std::string lines;
  for (int i = 0; i < 8; ++i) lines += "-1,-1,-1;\r\n";
  for (int i = 0; i < 8; ++i) lines += (i == 2 ? "4,-1,-1;\r\n" : "-1,-1,-1;\r\n");
  for (int i = 0; i < 4; ++i) lines += "-1,-1;\r\n";
  for (int i = 0; i < 4; ++i) lines += "-1,-1,3,-1;\r\n";
  for (int i = 0; i < 8; ++i) lines += "-1;\r\n";
  return lines;
}

} // namespace

TEST_F(ExportNative, CanonicalFilesRoundTripByteForByte)
{
  const std::string longText(480, 'w');
  const std::vector<std::string> files = {
      // no bitmaps: the names line is empty
      "0;0;\r\n\r\n" + Tables(),
      // empty text, spaces kept, Windows-1252 bytes kept
      "3;2;\r\nlamps\\lamp_off.bmp;missing\\none.bmp;\r\n"
      "0,0,32,32,1,0,1,-1,-1;\r\n"
      "10,40,90,60,42,,-1,-1,-1;\r\n"
      "5,5,300,30,59,  caf\xe9 \x80 ,-1,-1,-1;\r\n" +
          Tables(),
      // a line of 510 characters before its CR LF
      "1;0;\r\n\r\n1,2,3,4,2," + longText + std::string(510 - 10 - longText.size() - 10, 'x') +
          ",-1,-1,-1;\r\n" + Tables(),
  };
  int index = 0;
  for (const auto& bytes : files) {
    const fs::path in = m_temp.Write("In" + std::to_string(index), bytes);
    const fs::path out = m_dir / ("Out" + std::to_string(index));
    const RunResult run =
        Tovelcreator("--export native --output '" + out.string() + "' --tovels-folder '" +
                     m_dir.string() + "' '" + in.string() + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadFileText(out), bytes) << "file " << index;
    ++index;
  }
}

TEST_F(ExportNative, ReadsOlderFormsAndWritesTheCanonicalOne)
{
  // LF line ends and missing trailing tables are accepted; the result has
  // CR LF line ends and all 34 + N lines.
  const fs::path in = m_temp.Write("Old", "1;0;\n\n1,2,3,4,2,hello,-1,-1,-1;\n");
  const fs::path out = m_dir / "New";
  const RunResult run =
      Tovelcreator("--export native --output '" + out.string() + "' '" + in.string() + "'");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = ReadFileText(out);
  EXPECT_EQ(text.substr(0, 41), "1;0;\r\n\r\n1,2,3,4,2,hello,-1,-1,-1;\r\n1,2,3;");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 35);
}

TEST_F(ExportNative, FailuresGiveTheUsersMessageAndExitStatus)
{
  const fs::path out = m_dir / "Out";
  RunResult missing = Tovelcreator("--export native --output '" + out.string() + "' '" +
                                   (m_dir / "Nothing").string() + "'");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("Nothing was not found."), std::string::npos) << missing.err;
  EXPECT_FALSE(fs::exists(out));

  const fs::path bad = m_temp.Write("Bad", "45;0;\r\n");
  RunResult refused =
      Tovelcreator("--export native --output '" + out.string() + "' '" + bad.string() + "'");
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("Bad"), std::string::npos);

  const fs::path good = m_temp.Write("Good", "0;0;\r\n\r\n" + Tables());
  RunResult unwritable = Tovelcreator(
      "--export native --output '" + (m_dir / "no" / "Out").string() + "' '" + good.string() + "'");
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("contains an invalid path"), std::string::npos);

  // Tables that Save refuses, since their lines would read back as two:
  // a names line that lacks its last separator, an item line its commas.
  for (const std::string& unsaveable :
       {"0;2;\r\n" + std::string(505, 'n') + ";yyyy\r\n" + Tables(),
        "1;0;\r\n\r\n1,2,3,4,2," + std::string(498, 't') + ";\r\n" + Tables()}) {
    const fs::path in = m_temp.Write("Long", unsaveable);
    const RunResult run =
        Tovelcreator("--export native --output '" + out.string() + "' --tovels-folder '" +
                     m_dir.string() + "' '" + in.string() + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("The tovel cannot be saved"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(out));
  }

  EXPECT_EQ(Tovelcreator("--export acorn-ish --output x y").status, 2);
  EXPECT_EQ(Tovelcreator("--export native y").status, 2);
  EXPECT_EQ(Tovelcreator("--bogus").status, 2);
  EXPECT_EQ(Tovelcreator("--version").status, 0);
  EXPECT_EQ(Tovelcreator("--help").status, 0);
}

TEST_F(ExportNative, AWriteProtectedOutputIsRefusedInEveryForm)
{
  const fs::path in = m_temp.Write("In", "0;0;\r\n\r\n" + Tables());
  const fs::path out = m_temp.Write("Out", "previous");
  fs::permissions(out, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  for (const char* form : {"native", "acorn", "mac"}) {
    const RunResult run = Tovelcreator(std::string("--export ") + form + " --output '" +
                                       out.string() + "' '" + in.string() + "'");
    EXPECT_EQ(run.status, 1) << form;
    EXPECT_EQ(run.err, "tovelcreator: Access to " + out.string() + " was denied.\n") << form;
    EXPECT_EQ(ReadFileText(out), "previous") << form;
  }
}
