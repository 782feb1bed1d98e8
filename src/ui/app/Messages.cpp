#include "app/Messages.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

namespace messages {

const wxString WarningCaption = "Warning from Tovel Creator";
const wxString ErrorCaption = "Error from Tovel Creator";
const wxString ConfirmationCaption = "Confirmation from Tovel Creator";

wxString AppTitle()
{
  return "TovelCreator";
}

int Show(wxWindow* parent, const wxString& text, const wxString& caption, long style)
{
  // Without an icon of its own a box would get the toolkit's default one
  // (information, or a question mark with Yes and No): a box meant to have
  // none says so.
  if ((style & wxICON_MASK) == 0) style |= wxICON_NONE;
  wxMessageDialog dialog(parent, text, caption, style);
  return dialog.ShowModal();
}

void ShowRefusal(wxWindow* parent, const wxString& reason)
{
  Show(parent, reason, WarningCaption, wxOK | wxICON_EXCLAMATION);
}

void ShowFileError(wxWindow* parent, const wxString& text)
{
  Show(parent, text, AppTitle(), wxOK | wxICON_ERROR);
}

} // namespace messages

void messages::ShowBitmapSetFull(wxWindow* parent)
{
  Show(parent, "You can only have 20 bitmaps in use", AppTitle(), wxOK);
}
