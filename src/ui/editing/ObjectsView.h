// The item list pane on the left of the main window.
#pragma once

#include <wx/scrolwin.h>

class CObjectsView : public wxScrolledCanvas {
public:
  explicit CObjectsView(wxWindow* parent);

  // Resets the scroll extent from ItemCount.
  void UpdateItemListExtent();

private:
  void OnDraw(wxDC& dc) override;
};
