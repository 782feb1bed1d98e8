// A save that fails part way, at every stage of writing, never harms the
// previous file. Each attempt runs in a child process whose file size limit
// makes the write stop after a given number of bytes.
#include <gtest/gtest.h>

#include "common/TempFolder.h"
#include "model/TovelFile.h"

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Exit codes of the child.
constexpr int Saved = 0;
constexpr int RefusedAsDiskFull = 10;
constexpr int RefusedOtherwise = 11;

int SaveWithSizeLimit(const std::filesystem::path& target, rlim_t limit)
{
  const pid_t child = fork();
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing
    rlimit size{limit, limit};
    setrlimit(RLIMIT_FSIZE, &size);
    const auto error = WriteTovel(target);
    _exit(!error                                                          ? Saved
          : error->find("Disk full while accessing") != std::string::npos ? RefusedAsDiskFull
                                                                          : RefusedOtherwise);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(SaveFaults, EveryInterruptedSaveKeepsThePreviousFile)
{
  TempFolder folder("tovel-save-faults");
  const std::string previous = "0;0;\r\n\r\n" + std::string(300, '-') + "\r\n";
  const auto target = folder.Write("Tovel", previous);

  ResetTovel();
  ItemCount = 30;
  for (int i = 0; i < ItemCount; ++i)
    ItemTable[i] = {
        i, i, i + 10, i + 10, FlagText, 0, {"text " + std::to_string(i), "-1", "-1", "-1"}};
  const std::size_t fullSize = FormatTovel(TheTovel).size();

  for (rlim_t limit = 0; limit < fullSize; limit += 97) {
    EXPECT_EQ(SaveWithSizeLimit(target, limit), RefusedAsDiskFull) << "limit " << limit;
    EXPECT_EQ(ReadFileText(target), previous) << "limit " << limit;
  }
  // Nothing but the tovel is left in its folder.
  std::size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
    ++entries;
  EXPECT_EQ(entries, 1u);

  EXPECT_EQ(SaveWithSizeLimit(target, fullSize), Saved);
  EXPECT_EQ(ReadFileText(target), FormatTovel(TheTovel));
  ResetTovel();
}

#else

// Windows has no file size limit for one process to fail a write with.
TEST(SaveFaults, EveryInterruptedSaveKeepsThePreviousFile)
{
  GTEST_SKIP() << "needs a POSIX file size limit (setrlimit) to fail writes part way";
}

#endif
