// The modeless Item Properties window: edits the current item live.
#pragma once

#include <wx/dialog.h>

class CMainFrame;

class CItemPropertiesWindow : public wxDialog {
public:
  explicit CItemPropertiesWindow(CMainFrame* frame);

  // Refills every control from the current item.
  void Reload();
  // Refills only the four coordinate fields.
  void ReloadCoordinates();
};
