// Saving over a file the user may not replace, into a folder the user may
// not write, and under the longest names the folder takes.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/TempFolder.h"
#include "platform/FileIo.h"

#ifndef _WIN32
#include <csignal>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

#ifndef _WIN32
namespace {

std::size_t Entries(const fs::path& folder)
{
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) ++count;
  return count;
}

// Writes in a child process that has no administrator's rights (it takes
// those of "nobody" when the tests run as root) and whose file size limit
// makes writes fail past sizeLimit bytes. Gives the message the write
// returned, "" when it succeeded.
std::string WriteAsOrdinaryUser(const fs::path& target, const std::string& bytes,
                                rlim_t sizeLimit = RLIM_INFINITY)
{
  int channel[2];
  if (::pipe(channel) != 0) return "no pipe";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(channel[0]);
    std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing
    if (::geteuid() == 0) {
      const passwd* nobody = ::getpwnam("nobody");
      if (!nobody || ::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) ::_exit(2);
    }
    const rlimit size{sizeLimit, sizeLimit};
    ::setrlimit(RLIMIT_FSIZE, &size);
    const std::string message = platform::WriteFileSafely(target, bytes).value_or("");
    const bool sent =
        ::write(channel[1], message.data(), message.size()) == static_cast<ssize_t>(message.size());
    ::_exit(sent ? 0 : 3);
  }
  ::close(channel[1]);
  std::string message;
  char buffer[256];
  for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
    message.append(buffer, static_cast<std::size_t>(got));
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? message : "the writing process failed";
}

// A folder that takes no new file while the object lives.
class ClosedFolder {
public:
  explicit ClosedFolder(fs::path path) : m_path(std::move(path))
  {
    fs::permissions(m_path, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
  }
  ~ClosedFolder() { fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add); }
  ClosedFolder(const ClosedFolder&) = delete;
  ClosedFolder& operator=(const ClosedFolder&) = delete;

private:
  fs::path m_path;
};

} // namespace

TEST(SafeWrite, AReadOnlyFileIsRefusedAndKept)
{
  TempFolder folder("tovel-safe-write");
  const fs::path target = folder.Write("Tovel", "previous");
  fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(platform::WriteFileSafely(target, "new"),
            "Access to " + target.string() + " was denied.");
  EXPECT_EQ(ReadFileText(target), "previous");
  EXPECT_EQ(Entries(folder.Path()), 1u);
  EXPECT_TRUE(platform::IsWriteProtected(target));
  EXPECT_FALSE(platform::IsWriteProtected(folder.Path() / "none"));

  // Nor is a pipe or a folder ever replaced by a file.
  const fs::path pipe = folder.Path() / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0666), 0);
  for (const fs::path& other : {pipe, folder.Path()}) {
    EXPECT_EQ(platform::WriteFileSafely(other, "new"),
              "Access to " + other.string() + " was denied.");
  }
  EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST(SafeWrite, NamesAsLongAsTheFolderTakesAreSaved)
{
  TempFolder folder("tovel-safe-write");
  const long longest = ::pathconf(folder.Path().c_str(), _PC_NAME_MAX);
  ASSERT_GT(longest, 14);
  for (const long length : {longest - 14, longest}) {
    const fs::path target = folder.Path() / std::string(static_cast<std::size_t>(length), 'n');
    EXPECT_EQ(platform::WriteFileSafely(target, "bytes"), std::nullopt) << length;
    EXPECT_EQ(ReadFileText(target), "bytes") << length;
    EXPECT_EQ(Entries(folder.Path()), 1u) << length;
    fs::remove(target);
  }
}

TEST(SafeWrite, AFileInAFolderThatTakesNoNewFileIsWrittenInPlace)
{
  TempFolder folder("tovel-safe-write");
  const fs::path target = folder.Write("shared/Tovel", "previous");
  const fs::perms readWrite = fs::perms::owner_read | fs::perms::owner_write |
                              fs::perms::group_read | fs::perms::group_write |
                              fs::perms::others_read | fs::perms::others_write;
  fs::permissions(target, readWrite);
  const ClosedFolder closed(target.parent_path());

  const std::string saved = "the new and longer content";
  EXPECT_EQ(WriteAsOrdinaryUser(target, saved), "");
  EXPECT_EQ(ReadFileText(target), saved);
  EXPECT_EQ(Entries(target.parent_path()), 1u);
  EXPECT_EQ(fs::status(target).permissions(), readWrite);

  // A write that fails part way puts the previous bytes back.
  EXPECT_EQ(WriteAsOrdinaryUser(target, std::string(100, 'x'), saved.size() + 10),
            "Disk full while accessing " + target.string() + ".");
  EXPECT_EQ(ReadFileText(target), saved);

  // A file that does not exist yet cannot be made there.
  const fs::path other = target.parent_path() / "Other";
  EXPECT_EQ(WriteAsOrdinaryUser(other, "x"), "Access to " + other.string() + " was denied.");
  EXPECT_FALSE(fs::exists(other));
}

#else

// Saving on Windows (read-only files, no temporary file left behind) is
// tested in FilesWindowsTest.cpp.
TEST(SafeWrite, AReadOnlyFileIsRefusedAndKept)
{
  GTEST_SKIP() << "POSIX permissions and named pipes";
}

TEST(SafeWrite, NamesAsLongAsTheFolderTakesAreSaved)
{
  GTEST_SKIP() << "asks POSIX pathconf for the longest name";
}

TEST(SafeWrite, AFileInAFolderThatTakesNoNewFileIsWrittenInPlace)
{
  GTEST_SKIP() << "needs POSIX folder permissions, another user and a file size limit";
}

#endif
