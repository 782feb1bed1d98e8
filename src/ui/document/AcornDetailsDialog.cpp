#include "document/AcornDetailsDialog.h"

#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "app/Messages.h"
#include "app/ModelText.h"
#include "model/AcornTovel.h"
#include "resources/ResourceIds.h"

namespace {

// Whether a key types a character, rather than editing or moving (Back,
// Delete, arrows, Ctrl+V and the like).
bool TypesCharacter(const wxKeyEvent& event)
{
  const wxChar typed = event.GetUnicodeKey();
  return typed != WXK_NONE && typed >= WXK_SPACE && typed != WXK_DELETE;
}

} // namespace

CAcornDetailsDialog::CAcornDetailsDialog(wxWindow* parent, const wxString& spritesDirectory)
    : wxDialog(parent, ids::AcornDetailsDialog, "Acorn tovel details")
{
  auto* grid = new wxFlexGridSizer(3, wxSize(8, 8));
  grid->AddGrowableCol(1);
  grid->Add(new wxStaticText(this, wxID_ANY, "Sprites directory:"),
            wxSizerFlags().CentreVertical());
  m_directory = new wxTextCtrl(this, ids::SpritesDirectoryEdit, spritesDirectory, wxDefaultPosition,
                               wxSize(140, -1));
  grid->Add(m_directory, wxSizerFlags().Expand().CentreVertical());
  grid->AddSpacer(0);
  grid->Add(new wxStaticText(this, wxID_ANY, "VGA Sprites size:"), wxSizerFlags().CentreVertical());
  m_size = new wxTextCtrl(this, ids::SpritesSizeEdit, "0", wxDefaultPosition, wxSize(140, -1));
  grid->Add(m_size, wxSizerFlags().Expand().CentreVertical());
  grid->Add(new wxStaticText(this, wxID_ANY, "bytes"), wxSizerFlags().CentreVertical());

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(grid, wxSizerFlags().Expand().Border(wxALL, 10));
  sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border());
  SetSizerAndFit(sizer);
  CentreOnParent();

  // Typing stops at the directory's limit and takes only digits for the
  // size. A pasted or preset text may still break the rules; OK checks.
  m_directory->Bind(wxEVT_CHAR, &CAcornDetailsDialog::OnDirectoryChar, this);
  m_size->Bind(wxEVT_CHAR, &CAcornDetailsDialog::OnSizeChar, this);
}

void CAcornDetailsDialog::OnDirectoryChar(wxKeyEvent& event)
{
  long from = 0, to = 0;
  m_directory->GetSelection(&from, &to);
  const auto kept = m_directory->GetValue().length() - static_cast<std::size_t>(to - from);
  if (TypesCharacter(event) && kept >= MaxSpritesDirectoryChars) {
    wxBell();
    return;
  }
  event.Skip();
}

void CAcornDetailsDialog::OnSizeChar(wxKeyEvent& event)
{
  const wxChar typed = event.GetUnicodeKey();
  if (TypesCharacter(event) && (typed < '0' || typed > '9')) {
    wxBell();
    return;
  }
  event.Skip();
}

void CAcornDetailsDialog::Refuse(wxTextCtrl* field, const wxString& message,
                                 const wxString& caption, long icon)
{
  messages::Show(this, message, caption, wxOK | icon);
  field->SetFocus();
  field->SelectAll();
}

bool CAcornDetailsDialog::AcceptValues()
{
  const auto directory = FromWx(m_directory->GetValue());
  if (!directory) {
    Refuse(m_directory,
           "The sprites directory holds a character that tovel files cannot store. "
           "Please use Western European letters only.",
           messages::ErrorCaption, wxICON_EXCLAMATION);
    return false;
  }
  std::uint32_t size = 0;
  SpritesCheck failed{};
  if (auto problem =
          SpritesDetailsProblem(*directory, m_size->GetValue().utf8_string(), &size, &failed)) {
    const bool directoryField =
        failed == SpritesCheck::DirectoryTooLong || failed == SpritesCheck::DirectorySeparator;
    Refuse(directoryField ? m_directory : m_size, wxString::FromUTF8(*problem),
           messages::AppTitle(),
           failed == SpritesCheck::SizeNotANumber ? wxICON_NONE : wxICON_EXCLAMATION);
    return false;
  }
  m_spritesDirectory = *directory;
  m_spritesSize = size;
  return true;
}

bool CAcornDetailsDialog::TransferDataFromWindow()
{
  return AcceptValues();
}
