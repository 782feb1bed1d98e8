#include "app/DialogFont.h"

#include <wx/font.h>
#include <wx/fontenum.h>
#include <wx/window.h>

void UseDialogFont([[maybe_unused]] wxWindow& dialog)
{
#ifdef __WXMSW__
  const wxString face = "MS Sans Serif";
  if (wxFontEnumerator::IsValidFacename(face)) dialog.SetFont(wxFont(wxFontInfo(8).FaceName(face)));
#endif
}
