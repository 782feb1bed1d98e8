// "Choose Bitmap": manages the tovel's bitmaps and picks one for a picture.
#pragma once

#include <wx/dialog.h>

// What the dialog's ShowModal returns.
constexpr int ChooseBitmapNone = 1;         // OK with no slot chosen: no picture
constexpr int ChooseBitmapCancelled = 2;    // Cancel: nothing chosen
constexpr int ChooseBitmapFirstSlot = 2060; // OK with slot k chosen: 2060 + k

class CChooseBitmapDialog : public wxDialog {
public:
  // manageMode: opened to change the set (OK reads "Close", no Cancel or
  // None); otherwise to pick a picture. preselect: the slot checked at
  // first, or -1 for none.
  CChooseBitmapDialog(wxWindow* parent, bool manageMode, int preselect);

  // Whether Add or Remove changed the bitmap set.
  bool BitmapsChanged() const { return m_bitmapsChanged; }

private:
  bool m_manageMode;
  bool m_bitmapsChanged = false;
};
