#include "support/FrameFixture.h"

#include <fstream>
#include <sstream>

#include <wx/app.h>

#include "app/MainFrame.h"
#include "document/TovelCreatorDoc.h"
#include "model/Tovel.h"

void FrameFixture::SetUp()
{
  m_folder = std::filesystem::temp_directory_path() /
             ("tovel-ui-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  std::filesystem::remove_all(m_folder);
  std::filesystem::create_directories(m_folder);
  TovelsFolder = m_folder.string();
  m_frame = new CMainFrame;
  m_frame->Show();
}

void FrameFixture::TearDown()
{
  m_frame->GetDocument()->Modify(false);
  m_frame->Destroy();
  Flush();
  std::filesystem::remove_all(m_folder);
}

void FrameFixture::Command(int id)
{
  wxCommandEvent event(wxEVT_MENU, id);
  event.SetEventObject(m_frame);
  m_frame->ProcessWindowEvent(event);
}

void FrameFixture::Flush()
{
  wxTheApp->ProcessPendingEvents();
  wxTheApp->ProcessIdle();
}

std::filesystem::path FrameFixture::WriteFile(const std::string& name, const std::string& bytes)
{
  const auto path = m_folder / name;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

std::string FrameFixture::ReadFile(const std::filesystem::path& path)
{
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string SmallTovel(const std::string& text, int inputLink)
{
  return "1;0;\r\n\r\n10,10,100,30,10," + text + ",-1,-1,-1;\r\n" + TableLines(inputLink);
}

std::string TableLines(int inputLink)
{
  std::string file = std::to_string(inputLink) + ",-1,-1;\r\n";
  for (int i = 1; i < 16; ++i) file += "-1,-1,-1;\r\n";
  for (int i = 0; i < 4; ++i) file += "-1,-1;\r\n";
  for (int i = 0; i < 4; ++i) file += "-1,-1,-1,-1;\r\n";
  for (int i = 0; i < 8; ++i) file += "-1;\r\n";
  return file;
}
