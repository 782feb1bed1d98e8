#include "bitmaps/ChooseBitmapDialog.h"

CChooseBitmapDialog::CChooseBitmapDialog(wxWindow* parent, bool manageMode, int)
    : wxDialog(parent, wxID_ANY, "Choose Bitmap"), m_manageMode(manageMode)
{
}
