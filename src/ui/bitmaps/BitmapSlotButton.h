// A button of the Choose Bitmap dialog that shows one bitmap slot (its
// picture and name) or stands for "None", and keeps a check mark.
#pragma once

#include <wx/control.h>

class wxDC;

class CBitmapSlotButton : public wxControl {
public:
  // slot: the bitmap slot shown, 0 to 19, or -1 for the None button.
  CBitmapSlotButton(wxWindow* parent, wxWindowID id, int slot, const wxPoint& pos,
                    const wxSize& size);

  int Slot() const { return m_slot; }
  // Whether the button shows a bitmap in use (the None button always does);
  // a slot at or above BitmapCount is blank.
  bool ShowsBitmap() const;

  bool IsChecked() const { return m_checked; }
  // Sets the check mark, repainting when it changes.
  void SetChecked(bool checked);

  // Paints the whole button into a device context of its size.
  void Draw(wxDC& dc);

  // What a click does: the owner is told with a button event.
  void Click();

  bool AcceptsFocusFromKeyboard() const override { return IsEnabled() && ShowsBitmap(); }

protected:
  wxSize DoGetBestClientSize() const override;

private:
  void OnPaint(wxPaintEvent& event);
  void OnMouseDown(wxMouseEvent& event);
  void OnKeyDown(wxKeyEvent& event);
  void OnFocusChange(wxFocusEvent& event);

  int m_slot;
  bool m_checked = false;
};
