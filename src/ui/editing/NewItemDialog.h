// "New item": asks whether the new item is a label or a background, and
// for a background which picture it shows.
#pragma once

#include <string>

#include <wx/dialog.h>

class wxButton;
class wxRadioButton;

class CNewItemDialog : public wxDialog {
public:
  // Offers a background first when the tovel has no items yet, else a
  // label.
  explicit CNewItemDialog(wxWindow* parent);

  // What a click on each radio button does.
  void ChooseLabel();
  void ChooseBackground();
  // What a press on "BMP..." does: runs the Choose Bitmap dialog and takes
  // its answer.
  void PressPictureButton();

  // The picture the background shows: a slot number or "-1" for none.
  const std::string& PictureReference() const { return m_pictureReference; }
  // Whether OK was pressed with "New background" selected.
  bool BackgroundChosen() const { return m_background; }

  // Records the choice; the default OK handler calls it before closing.
  bool TransferDataFromWindow() override;

  wxRadioButton* GetLabelButton() const { return m_label; }
  wxRadioButton* GetBackgroundButton() const { return m_backgroundButton; }
  wxButton* GetPictureButton() const { return m_picture; }

private:
  // "BMP..." is usable only while "New background" is selected.
  void UpdatePictureButton();

  wxRadioButton* m_label;
  wxRadioButton* m_backgroundButton;
  wxButton* m_picture;
  std::string m_pictureReference = "-1";
  bool m_background = false;
};
