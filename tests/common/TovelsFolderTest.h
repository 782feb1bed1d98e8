// Tests that work on the open tovel with a tovels folder of their own: the
// tables are empty before and after each test.
#pragma once

#include <gtest/gtest.h>

#include "common/TempFolder.h"
#include "model/Tovel.h"

class TovelsFolderTest : public ::testing::Test {
protected:
  void SetUp() override
  {
    ResetTovel();
    TovelsFolder = Folder.Path().string();
  }
  void TearDown() override
  {
    ResetTovel();
    TovelsFolder.clear();
  }

  TempFolder Folder;
};
