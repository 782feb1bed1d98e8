// The tovel view: the white 400 x 320 page with its items.
#pragma once

#include <wx/scrolwin.h>

struct TovelItem;

class CTovelView : public wxScrolledCanvas {
public:
  explicit CTovelView(wxWindow* parent);

  // The top-left corner of the page in the view's window.
  wxPoint PageOrigin() const;

private:
  void OnDraw(wxDC& dc) override;
  void DrawItem(wxDC& dc, const TovelItem& item, wxPoint origin);
};
