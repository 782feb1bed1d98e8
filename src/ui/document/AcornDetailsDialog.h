// "Acorn tovel details": the sprites directory and size that head an Acorn
// tovel file.
#pragma once

#include <cstdint>
#include <string>

#include <wx/dialog.h>

class wxTextCtrl;

class CAcornDetailsDialog : public wxDialog {
public:
  // The directory starts as given (the tovel's file name, or empty for a
  // tovel without a file), the size as "0".
  CAcornDetailsDialog(wxWindow* parent, const wxString& spritesDirectory);

  // Checks the fields as OK does: on the first problem the user is told,
  // the field gets the focus and false is returned. On success the values
  // below are set.
  bool AcceptValues();
  bool TransferDataFromWindow() override;

  // The details as accepted; valid after OK. The directory is held as the
  // file stores it (Windows-1252).
  const std::string& SpritesDirectory() const { return m_spritesDirectory; }
  std::uint32_t SpritesSize() const { return m_spritesSize; }

  wxTextCtrl* GetDirectoryEdit() const { return m_directory; }
  wxTextCtrl* GetSizeEdit() const { return m_size; }

private:
  void OnDirectoryChar(wxKeyEvent& event);
  void OnSizeChar(wxKeyEvent& event);
  void Refuse(wxTextCtrl* field, const wxString& message, const wxString& caption, long icon);

  wxTextCtrl* m_directory;
  wxTextCtrl* m_size;
  std::string m_spritesDirectory;
  std::uint32_t m_spritesSize = 0;
};
