// The modeless Item Properties window: edits the current item live. Every
// control reads from and writes to ItemTable[CurrentItem] at the moment it
// is used; there is no OK or Apply.
#pragma once

#include <array>
#include <optional>
#include <string>

#include <wx/dialog.h>

#include "model/TovelChange.h"

class wxButton;
class wxCheckBox;
class wxRadioButton;
class wxTextCtrl;
struct TovelItem;

class CItemPropertiesWindow : public wxDialog, public TovelClient {
public:
  // Created hidden, centred on its parent, the main window.
  explicit CItemPropertiesWindow(wxWindow* parent);
  ~CItemPropertiesWindow() override;

  // Refills every control from the current item; changes nothing.
  void Reload();
  // Refills only the four coordinate fields.
  void ReloadCoordinates();

  // Follows changes made elsewhere: another current item, an item moved by
  // the mouse or the keys, renumbered pictures. Its own edits are left as
  // they are typed.
  void TovelChanged(const TovelChange& change) override;

  // The controls, by their ids (ids::PropertiesLeft ...).
  wxTextCtrl* GetEdit(int id) const;
  wxCheckBox* GetCheckBox(int id) const;
  wxRadioButton* GetRadio(int id) const;
  // The "BMP..." button of picture k (0 to 3).
  wxButton* GetPictureButton(int k) const;

private:
  void CreateControls();
  // Enables the controls of text mode or of picture mode.
  void ShowTextMode(bool textMode);
  // Sets the captions of the four picture buttons from the item's pictures
  // and makes room for them.
  void ShowPictureCaptions(const TovelItem& item);
  // The item the window edits now, or none when no item is current.
  static TovelItem* EditedItem();
  // Tells the user why an edit was refused.
  void Refuse(const std::string& reason);
  // Makes `changed` the current item, and tells the other windows.
  // Puts the changed item in place as one step named `step`; typing in
  // the field with id `field` joins one step until the field loses the
  // focus.
  void Apply(const TovelItem& changed, const std::string& step, int field = -1);
  void OnFieldLeft(wxFocusEvent& event);

  void OnCoordinateChanged(wxCommandEvent& event);
  void OnTextChanged(wxCommandEvent& event);
  void OnTextChar(wxKeyEvent& event);
  void OnTextRadio(wxCommandEvent& event);
  void OnPictureRadio(wxCommandEvent& event);
  void OnFlagBox(wxCommandEvent& event);
  void OnPictureButton(wxCommandEvent& event);
  void OnCharHook(wxKeyEvent& event);
  void OnClose(wxCloseEvent& event);

  // Set while the window applies a field being typed, so that the
  // announcement does not refill that field under the caret.
  bool m_typing = false;
  int m_typingSerial = 0;
  std::array<wxTextCtrl*, 4> m_coordinates{}; // Left, Right, Top, Bottom
  wxTextCtrl* m_text = nullptr;
  wxRadioButton* m_textRadio = nullptr;
  wxRadioButton* m_pictureRadio = nullptr;
  std::array<wxButton*, 4> m_pictureButtons{};
};
