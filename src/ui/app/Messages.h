// Message boxes of the program: one helper so that every box carries the
// right caption and can be answered in tests.
#pragma once

#include <wx/string.h>

class wxWindow;

namespace messages {

extern const wxString WarningCaption;      // "Warning from Tovel Creator"
extern const wxString ErrorCaption;        // "Error from Tovel Creator"
extern const wxString ConfirmationCaption; // "Confirmation from Tovel Creator"

// The application title, "TovelCreator": caption of the framework's boxes.
wxString AppTitle();

// Shows a modal message box and returns wxID_YES, wxID_NO, wxID_OK or
// wxID_CANCEL.
int Show(wxWindow* parent, const wxString& text, const wxString& caption, long style);

// An edit that the program refuses, with the reason: the warning caption
// and an exclamation icon.
void ShowRefusal(wxWindow* parent, const wxString& reason);

// The bitmap set holds 20 bitmaps and another was to be added.
void ShowBitmapSetFull(wxWindow* parent);

// A file error: stop icon, the application title as caption.
void ShowFileError(wxWindow* parent, const wxString& text);

} // namespace messages
