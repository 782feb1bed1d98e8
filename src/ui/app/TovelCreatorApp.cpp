#include "app/TovelCreatorApp.h"

#include <wx/window.h>

#include "app/FirstPaintReport.h"
#include "app/MainFrame.h"
#include "app/Messages.h"
#include "app/ModelText.h"
#include "app/SplashWindow.h"
#include "model/Tovel.h"
#include "platform/Ini.h"
#include "platform/Paths.h"
#include "platform/Windows1252.h"
#include "resources/ResourceIds.h"

CTovelCreatorApp::CTovelCreatorApp()
{
  Bind(wxEVT_MENU, &CTovelCreatorApp::OnAppExit, this, ids::AppExit);
  Bind(wxEVT_MENU, &CTovelCreatorApp::OnAppAbout, this, ids::AppAbout);
}

void CTovelCreatorApp::ConfigureProcess()
{
  // The per-user settings live under "TovelGenerator"; nothing is stored
  // there and no recent-file list is kept.
  wxTheApp->SetVendorName("TovelGenerator");
  wxTheApp->SetAppName("TovelCreator");
  wxTheApp->SetAppDisplayName("TovelCreator");
}

bool CTovelCreatorApp::OnInit()
{
  ConfigureProcess();
  TovelsFolder = m_commandLine.tovelsFolderGiven
                     ? platform::Utf8ToCp1252(m_commandLine.tovelsFolder).value_or("")
                     : platform::ReadTovelsFolderSetting();

  // The splash comes first and stays above the main window until it closes
  // itself.
  (new CSplashWindow(false))->ShowSplash();

  auto* frame = new CMainFrame;
  ReportFirstPaintIfAsked(frame);
  SetTopWindow(frame);
  frame->Maximize();
  frame->Show();
  frame->Update();
  if (auto problem = FolderArgumentProblem(m_commandLine)) {
    frame->CallAfter([frame, text = wxString::FromUTF8(*problem + ".")] {
      messages::ShowFileError(frame, text);
    });
  } else if (!m_commandLine.file.empty()) {
    const std::filesystem::path file = platform::PathFromUtf8(m_commandLine.file);
    frame->CallAfter([frame, file] { frame->ReadTovel(file); });
  }
  return true;
}

void CTovelCreatorApp::OnAppExit(wxCommandEvent&)
{
  if (wxWindow* top = GetTopWindow()) top->Close();
}

void CTovelCreatorApp::OnAppAbout(wxCommandEvent&)
{
  // Every use opens another About window; each closes with its own OK.
  (new CSplashWindow(true))->ShowSplash();
}
