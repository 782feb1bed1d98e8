#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "platform/FileErrors.h"

using namespace platform;

TEST(FileErrors, MapsErrnoValuesToCauses)
{
  EXPECT_EQ(CauseFromErrno(ENOENT), FileErrorCause::FileNotFound);
  for (int err : {ENOTDIR, ENAMETOOLONG, ELOOP, EINVAL}) {
    EXPECT_EQ(CauseFromErrno(err), FileErrorCause::BadPath) << err;
  }
  for (int err : {EMFILE, ENFILE}) EXPECT_EQ(CauseFromErrno(err), FileErrorCause::TooManyOpenFiles);
  for (int err : {EACCES, EPERM, EROFS, EISDIR}) {
    EXPECT_EQ(CauseFromErrno(err), FileErrorCause::AccessDenied) << err;
  }
  EXPECT_EQ(CauseFromErrno(EBADF), FileErrorCause::InvalidHandle);
  EXPECT_EQ(CauseFromErrno(EMLINK), FileErrorCause::DirectoryFull);
  EXPECT_EQ(CauseFromErrno(EIO), FileErrorCause::HardwareError);
  for (int err : {EBUSY, ETXTBSY}) EXPECT_EQ(CauseFromErrno(err), FileErrorCause::SharingViolation);
  for (int err : {ENOLCK, EDEADLK})
    EXPECT_EQ(CauseFromErrno(err), FileErrorCause::LockingViolation);
  for (int err : {ENOSPC, EFBIG}) EXPECT_EQ(CauseFromErrno(err), FileErrorCause::DiskFull);
#ifdef EDQUOT
  EXPECT_EQ(CauseFromErrno(EDQUOT), FileErrorCause::DiskFull);
#endif
  for (int err : {0, EAGAIN, EEXIST, -1, 100000}) {
    EXPECT_EQ(CauseFromErrno(err), FileErrorCause::Unknown) << err;
  }
}

TEST(FileErrors, MessagesNameTheFile)
{
  const std::string f = "C:\\TOVELS\\PUMP.TVL";
  EXPECT_EQ(FileErrorMessage(FileErrorCause::Unknown, f),
            "An unknown error occurred while accessing C:\\TOVELS\\PUMP.TVL.");
  EXPECT_EQ(FileErrorMessage(FileErrorCause::FileNotFound, f), f + " was not found.");
  EXPECT_EQ(FileErrorMessage(FileErrorCause::BadPath, f), f + " contains an invalid path.");
  EXPECT_EQ(FileErrorMessage(FileErrorCause::TooManyOpenFiles, f),
            f + " could not be opened because there are too many open files.");
  EXPECT_EQ(FileErrorMessage(FileErrorCause::AccessDenied, f), "Access to " + f + " was denied.");
  EXPECT_EQ(FileErrorMessage(FileErrorCause::InvalidHandle, f),
            "An invalid file handle was associated with " + f + ".");
  EXPECT_EQ(FileErrorMessage(FileErrorCause::DirectoryFull, f),
            f + " could not be created because the directory is full.");
  EXPECT_EQ(FileErrorMessage(FileErrorCause::HardwareError, f),
            "A hardware I/O error was reported while accessing " + f + ".");
  EXPECT_EQ(FileErrorMessage(FileErrorCause::SharingViolation, f),
            "A sharing violation occurred while accessing " + f + ".");
  EXPECT_EQ(FileErrorMessage(FileErrorCause::LockingViolation, f),
            "A locking violation occurred while accessing " + f + ".");
  EXPECT_EQ(FileErrorMessage(FileErrorCause::DiskFull, f), "Disk full while accessing " + f + ".");
  // A "%1" inside the file name is not expanded again; a stray value is Unknown.
  EXPECT_EQ(FileErrorMessage(FileErrorCause::FileNotFound, "%1.tvl"), "%1.tvl was not found.");
  EXPECT_EQ(FileErrorMessage(static_cast<FileErrorCause>(99), "x"),
            "An unknown error occurred while accessing x.");
}

TEST(FileErrors, RealFailuresGiveTheirMessages)
{
#ifdef _WIN32
  GTEST_SKIP() << "the C library's errno; FileErrorsOnWindows checks the system's error codes";
#else
  namespace fs = std::filesystem;
  const fs::path folder =
      fs::temp_directory_path() / ("tovel-errors-" + std::to_string(std::random_device{}()));
  fs::create_directories(folder);
  std::ofstream(folder / "plain.tvl") << "x";

  const auto messageForOpen = [](const fs::path& p, const char* mode) {
    errno = 0;
    std::FILE* file = std::fopen(p.c_str(), mode);
    const int err = errno;
    if (file) std::fclose(file);
    return FileErrorMessage(CauseFromErrno(err), p.string());
  };
  const fs::path missing = folder / "missing.tvl";
  EXPECT_EQ(messageForOpen(missing, "rb"), missing.string() + " was not found.");
  const fs::path throughFile = folder / "plain.tvl" / "inner.tvl";
  EXPECT_EQ(messageForOpen(throughFile, "rb"), throughFile.string() + " contains an invalid path.");
  EXPECT_EQ(messageForOpen(folder, "wb"), "Access to " + folder.string() + " was denied.");

  fs::remove_all(folder);
#endif
}
