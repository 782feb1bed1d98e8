#include "support/FrameFixture.h"

#include <wx/app.h>
#include <wx/utils.h>

#include "app/MainFrame.h"
#include "document/TovelCreatorDoc.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"

void FrameFixture::SetUp()
{
  TovelsFolder = m_folder.string();
  m_frame = new CMainFrame;
  m_frame->Show();
}

void FrameFixture::TearDown()
{
  m_frame->GetDocument()->Modify(false);
  m_frame->Destroy();
  Flush();
}

void FrameFixture::Command(int id)
{
  wxCommandEvent event(wxEVT_MENU, id);
  event.SetEventObject(m_frame);
  m_frame->ProcessWindowEvent(event);
}

void FrameFixture::ShowLargeOnScreen()
{
  m_frame->SetClientSize(1100, 800);
  m_frame->SendSizeEvent();
  for (int i = 0; i < 200 && !m_frame->GetTovelView()->IsShownOnScreen(); ++i) {
    wxYield();
    wxMilliSleep(5);
  }
  Flush();
}

void FrameFixture::Flush()
{
  wxTheApp->ProcessPendingEvents();
  wxTheApp->ProcessIdle();
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
