#include "editing/NewItemDialog.h"

#include <array>
#include <string>

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>

#include "bitmaps/BitmapPicker.h"
#include "model/Tovel.h"
#include "resources/ResourceIds.h"

CNewItemDialog::CNewItemDialog(wxWindow* parent) : wxDialog(parent, ids::NewItemDialog, "New item")
{
  m_label = new wxRadioButton(this, ids::NewItemLabelRadio, "New label", wxDefaultPosition,
                              wxDefaultSize, wxRB_GROUP);
  m_backgroundButton = new wxRadioButton(this, ids::NewItemBackgroundRadio, "New background");
  m_picture =
      new wxButton(this, ids::NewItemPictureButton, PictureButtonCaption(m_pictureReference));

  auto* background = new wxBoxSizer(wxHORIZONTAL);
  background->Add(m_backgroundButton, wxSizerFlags().CentreVertical());
  background->AddSpacer(FromDIP(12));
  background->Add(m_picture, wxSizerFlags().CentreVertical());

  auto* sizer = new wxBoxSizer(wxVERTICAL);
  sizer->Add(m_label, wxSizerFlags().Border(wxLEFT | wxRIGHT | wxTOP, FromDIP(12)));
  sizer->Add(background, wxSizerFlags().Border(wxALL, FromDIP(12)));
  sizer->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border());
  SetSizerAndFit(sizer);
  CentreOnParent();

  if (ItemCount == 0)
    m_backgroundButton->SetValue(true);
  else
    m_label->SetValue(true);
  UpdatePictureButton();

  m_label->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ChooseLabel(); });
  m_backgroundButton->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ChooseBackground(); });
  m_picture->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { PressPictureButton(); });
}

void CNewItemDialog::ChooseLabel()
{
  m_label->SetValue(true);
  UpdatePictureButton();
}

void CNewItemDialog::ChooseBackground()
{
  m_backgroundButton->SetValue(true);
  UpdatePictureButton();
}

void CNewItemDialog::PressPictureButton()
{
  if (!m_picture->IsEnabled()) return;
  // The button keeps showing its bitmap even when the set is renumbered
  // and the pick cancelled.
  std::array<std::string, 4> held{m_pictureReference, "-1", "-1", "-1"};
  PickHeldPicture(this, held, 0);
  m_pictureReference = held[0];
  m_picture->SetLabel(PictureButtonCaption(m_pictureReference));
  // A longer caption may need a wider button.
  Layout();
  Fit();
}

bool CNewItemDialog::TransferDataFromWindow()
{
  m_background = m_backgroundButton->GetValue();
  return wxDialog::TransferDataFromWindow();
}

void CNewItemDialog::UpdatePictureButton()
{
  m_picture->Enable(m_backgroundButton->GetValue());
}
