// A main window over a temporary tovels folder, for window tests.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "common/TempFolder.h"

class CMainFrame;

class FrameFixture : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Sends a menu or toolbar command to the main window.
  void Command(int id);
  // Lets queued calls and idle work run.
  void Flush();
  // Gives the frame a size and waits until the tovel view is on screen:
  // only then can it hold the pointer during a drag.
  void ShowLargeOnScreen();

  // The tovels folder the window works in, new for every test.
  TempFolder m_tovels{"tovel-ui"};
  const std::filesystem::path m_folder = m_tovels.Path();
  CMainFrame* m_frame = nullptr;
};

// The 32 table lines of a tovel, CR LF, with the given first input link.
std::string TableLines(int inputLink = -1);

// A small valid tovel: one text item and the given first input link.
std::string SmallTovel(const std::string& text, int inputLink = -1);
