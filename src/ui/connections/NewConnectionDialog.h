// What the five New connection dialogs share: the edit that names the
// connection (a number or a letter), the "BMP..." buttons that pick its
// pictures, and the check of the edit when OK is pressed.
#pragma once

#include <string>
#include <vector>

#include <wx/dialog.h>

#include "connections/NewConnection.h"

class wxBoxSizer;
class wxButton;
class wxTextCtrl;

class CNewConnectionDialog : public wxDialog {
public:
  ConnectionKind Kind() const { return m_request.Kind; }

  // The edit that names the connection: the number for an input, output or
  // value, the letter for a motor or variable.
  wxTextCtrl* GetEdit() const { return m_edit; }
  // Puts the connection that the dialog proposes into the edit.
  void SetNumber(int number);
  void SetLetter(const std::string& letter);

  // The "BMP..." buttons: none, two (OFF, ON) or four (OFF, FD, OFF, REV).
  int PictureButtonCount() const { return static_cast<int>(m_pictureButtons.size()); }
  wxButton* GetPictureButton(int i) const;
  // The picture the button stands for: "-1" or a bitmap slot number.
  const std::string& PictureReference(int i) const;
  // What a press on button i does: runs the Choose Bitmap dialog and takes
  // its answer.
  void PressPictureButton(int i);

  // Checks the edit; a refused entry is explained to the user and gets the
  // focus back, and the dialog stays open. The default OK handler calls it.
  bool TransferDataFromWindow() override;

  // The connection as accepted by the last successful check.
  const ConnectionRequest& Request() const { return m_request; }

protected:
  // Lays out the prompt with its edit and, for a kind with pictures, the
  // picture buttons under their captions. A derived dialog adds its own
  // controls to Body() and then calls FinishLayout().
  CNewConnectionDialog(wxWindow* parent, int id, const wxString& title, ConnectionKind kind,
                       const wxString& prompt, const std::vector<wxString>& pictureCaptions);

  wxBoxSizer* Body() const { return m_body; }
  void FinishLayout();

  ConnectionRequest m_request;

private:
  void AddPictureButtons(const std::vector<wxString>& captions);
  // Captions every "BMP..." button after the picture it stands for.
  void ShowPictureCaptions();
  bool AcceptNumber();
  bool AcceptLetter();
  // Tells the user why the edit was refused and puts the focus back on it.
  void Refuse(const wxString& message);

  wxBoxSizer* m_body = nullptr;
  wxTextCtrl* m_edit = nullptr;
  std::vector<wxButton*> m_pictureButtons;
};
