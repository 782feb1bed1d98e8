// A main window over a temporary tovels folder, for window tests.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

class CMainFrame;

class FrameFixture : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Sends a menu or toolbar command to the main window.
  void Command(int id);
  // Lets queued calls and idle work run.
  void Flush();
  // Writes a file into the tovels folder.
  std::filesystem::path WriteFile(const std::string& name, const std::string& bytes);
  std::string ReadFile(const std::filesystem::path& path);

  std::filesystem::path m_folder;
  CMainFrame* m_frame = nullptr;
};

// The 32 table lines of a tovel, CR LF, with the given first input link.
std::string TableLines(int inputLink = -1);

// A small valid tovel: one text item and the given first input link.
std::string SmallTovel(const std::string& text, int inputLink = -1);
