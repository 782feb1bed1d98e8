#include "bitmaps/ChooseBitmapDialog.h"

#include <filesystem>

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/filedlg.h>
#include <wx/imaglist.h>
#include <wx/treectrl.h>

#include "app/DialogFont.h"
#include "app/Messages.h"
#include "app/ModelText.h"
#include "bitmaps/BitmapSet.h"
#include "bitmaps/BitmapSlotButton.h"
#include "bitmaps/NewFolderDialog.h"
#include "bitmaps/PictureDecoding.h"
#include "model/Tovel.h"
#include "platform/FileIo.h"
#include "platform/Listing.h"
#include "platform/Paths.h"
#include "platform/Windows1252.h"
#include "resources/ResourceIds.h"

namespace fs = std::filesystem;

namespace {

// The name of a folder or file of the tree: as a tovel stores it and as
// this system names it.
class TreeName : public wxTreeItemData {
public:
  TreeName(std::string model, std::string native)
      : Model(std::move(model)), Native(std::move(native))
  {
  }
  std::string Model;
  std::string Native;
};

const TreeName& NameOf(const wxTreeCtrl* tree, const wxTreeItemId& item)
{
  static const TreeName none("", "");
  const auto* name = dynamic_cast<const TreeName*>(tree->GetItemData(item));
  return name ? *name : none;
}

// A position and size in dialog units.
struct Place {
  int X, Y, Width, Height;
};

constexpr Place NewFolderPlace{5, 4, 59, 14};
constexpr Place AddPlace{73, 4, 59, 14};
constexpr Place TreePlace{3, 23, 130, 169};
constexpr Place CopyPlace{5, 197, 59, 14};
constexpr Place RemovePlace{73, 197, 59, 14};
constexpr Place NonePlace{138, 202, 122, 15};
constexpr Place OkPlace{324, 202, 60, 14};
constexpr Place CancelPlace{386, 202, 60, 14};
constexpr int SlotColumns[] = {138, 200, 262, 324, 386};
constexpr int SlotRows[] = {2, 52, 102, 152};
constexpr int SlotWidth = 60;
constexpr int SlotHeight = 48;
constexpr int DialogWidth = 448;
constexpr int DialogHeight = 218;

} // namespace

CChooseBitmapDialog::CChooseBitmapDialog(wxWindow* parent, bool manageMode, int preselect)
    : wxDialog(parent, ids::ChooseBitmapDialog, "Choose Bitmap", wxDefaultPosition, wxDefaultSize,
               wxCAPTION),
      m_manageMode(manageMode)
{
  UseDialogFont(*this);
  CreateControls();
  // A slot that holds no bitmap cannot be chosen: no picture is.
  CheckRadio(preselect >= 0 && preselect < BitmapCount ? ids::ChooseBitmapSlot0 + preselect
                                                       : ids::ChooseBitmapNoneButton);
  FillTree();
  UpdateTreeButtons();
  if (m_manageMode) {
    m_cancel->Hide();
    m_none->Hide();
    m_ok->SetLabel("Close");
  }
  SetAffirmativeId(ids::ChooseBitmapOk);
  // Esc does what the visible closing button does.
  SetEscapeId(m_manageMode ? ids::ChooseBitmapOk : ids::ChooseBitmapCancel);
  CentreOnParent();

  Bind(wxEVT_TREE_SEL_CHANGED, &CChooseBitmapDialog::OnTreeSelection, this, ids::ChooseBitmapTree);
  Bind(wxEVT_TREE_ITEM_ACTIVATED, &CChooseBitmapDialog::OnTreeActivated, this,
       ids::ChooseBitmapTree);
  Bind(wxEVT_BUTTON, &CChooseBitmapDialog::OnSlotButton, this, ids::ChooseBitmapSlot0,
       ids::ChooseBitmapNoneButton);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { AddSelection(); }, ids::ChooseBitmapAdd);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { RemoveChecked(); }, ids::ChooseBitmapRemove);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { CopyBitmap(); }, ids::ChooseBitmapCopy);
  Bind(
      wxEVT_BUTTON, [this](wxCommandEvent&) { MakeNewFolder(); }, ids::ChooseBitmapNewFolder);
  Bind(wxEVT_BUTTON, &CChooseBitmapDialog::OnOk, this, ids::ChooseBitmapOk);
  Bind(wxEVT_BUTTON, &CChooseBitmapDialog::OnCancel, this, ids::ChooseBitmapCancel);
  Bind(wxEVT_CLOSE_WINDOW, &CChooseBitmapDialog::OnClose, this);
}

void CChooseBitmapDialog::CreateControls()
{
  const auto rect = [this](const Place& place) {
    return wxRect(ConvertDialogToPixels(wxPoint(place.X, place.Y)),
                  ConvertDialogToPixels(wxSize(place.Width, place.Height)));
  };
  const auto button = [&](int id, const wxString& label, const Place& place) {
    const wxRect r = rect(place);
    return new wxButton(this, id, label, r.GetPosition(), r.GetSize());
  };

  // Created in the order Tab moves through them.
  button(ids::ChooseBitmapNewFolder, "New folder...", NewFolderPlace);
  m_add = button(ids::ChooseBitmapAdd, "Add -->", AddPlace);
  const wxRect treeRect = rect(TreePlace);
  m_tree = new wxTreeCtrl(this, ids::ChooseBitmapTree, treeRect.GetPosition(), treeRect.GetSize(),
                          wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_SINGLE | wxTR_HIDE_ROOT |
                              wxBORDER_SUNKEN);
  m_copy = button(ids::ChooseBitmapCopy, "Copy BMP...", CopyPlace);
  button(ids::ChooseBitmapRemove, "<-- Remove", RemovePlace);
  for (int k = 0; k < MaxBitmaps; ++k) {
    const wxRect r = rect({SlotColumns[k % 5], SlotRows[k / 5], SlotWidth, SlotHeight});
    m_slots[static_cast<std::size_t>(k)] =
        new CBitmapSlotButton(this, ids::ChooseBitmapSlot0 + k, k, r.GetPosition(), r.GetSize());
  }
  const wxRect noneRect = rect(NonePlace);
  m_none = new CBitmapSlotButton(this, ids::ChooseBitmapNoneButton, -1, noneRect.GetPosition(),
                                 noneRect.GetSize());
  m_ok = button(ids::ChooseBitmapOk, "OK", OkPlace);
  m_ok->SetDefault();
  m_cancel = button(ids::ChooseBitmapCancel, "Cancel", CancelPlace);
  SetClientSize(ConvertDialogToPixels(wxSize(DialogWidth, DialogHeight)));
  UpdateSlotButtons();

  const wxSize iconSize(16, 16);
  const wxBitmap folder = wxArtProvider::GetBitmap(wxART_FOLDER, wxART_OTHER, iconSize);
  const wxBitmap openFolder = wxArtProvider::GetBitmap(wxART_FOLDER_OPEN, wxART_OTHER, iconSize);
  const wxBitmap file = wxArtProvider::GetBitmap(wxART_NORMAL_FILE, wxART_OTHER, iconSize);
  // Without the icons the tree simply shows none.
  if (folder.IsOk() && openFolder.IsOk() && file.IsOk()) {
    auto* images = new wxImageList(iconSize.x, iconSize.y, true, 3);
    const auto add = [&](const wxBitmap& bitmap) {
      return images->Add(bitmap.GetSize() == iconSize
                             ? bitmap
                             : wxBitmap(bitmap.ConvertToImage().Scale(iconSize.x, iconSize.y)));
    };
    m_folderImage = add(folder);
    m_openFolderImage = add(openFolder);
    m_fileImage = add(file);
    m_tree->AssignImageList(images);
  }
}

void CChooseBitmapDialog::FillTree()
{
  m_root = m_tree->AddRoot(wxString());
  const fs::path tovels = platform::NativePath(TovelsFolder);
  // The folder of the first bitmap starts open.
  std::string expand;
  if (const auto slash = BitmapNames[0].find('\\'); slash != std::string::npos)
    expand = BitmapNames[0].substr(0, slash);
  wxTreeItemId expanded;
  for (const std::string& folder : platform::ListFolders(tovels)) {
    const auto folderModel = platform::Utf8ToCp1252(folder);
    if (!folderModel || !UsableInBitmapName(*folderModel)) continue;
    const wxTreeItemId folderItem =
        m_tree->AppendItem(m_root, ToWx(*folderModel), m_folderImage, m_openFolderImage,
                           new TreeName(*folderModel, folder));
    m_tree->SetItemImage(folderItem, m_openFolderImage, wxTreeItemIcon_Expanded);
    m_tree->SetItemImage(folderItem, m_openFolderImage, wxTreeItemIcon_SelectedExpanded);
    for (const std::string& file :
         platform::ListFiles(tovels / platform::PathFromUtf8(folder), "*.BMP")) {
      const auto fileModel = platform::Utf8ToCp1252(file);
      if (!fileModel || !UsableInBitmapName(*fileModel)) continue;
      m_tree->AppendItem(folderItem, ToWx(*fileModel), m_fileImage, m_fileImage,
                         new TreeName(*fileModel, file));
    }
    if (!expand.empty() && platform::EqualsIgnoreCase(expand, *folderModel)) {
      m_tree->Expand(folderItem);
      expanded = folderItem;
      expand.clear();
    }
  }
  if (expanded.IsOk()) m_tree->EnsureVisible(expanded);
}

CBitmapSlotButton* CChooseBitmapDialog::GetSlotButton(int k) const
{
  if (k == -1) return m_none;
  if (k < 0 || k >= MaxBitmaps) return nullptr;
  return m_slots[static_cast<std::size_t>(k)];
}

int CChooseBitmapDialog::CheckedSlot() const
{
  for (int k = 0; k < MaxBitmaps; ++k)
    if (m_slots[static_cast<std::size_t>(k)]->IsChecked()) return k;
  return -1;
}

int CChooseBitmapDialog::ResultForOk() const
{
  for (int k = 0; k < BitmapCount && k < MaxBitmaps; ++k)
    if (m_slots[static_cast<std::size_t>(k)]->IsChecked()) return ChooseBitmapFirstSlot + k;
  return ChooseBitmapNone;
}

void CChooseBitmapDialog::CheckRadio(int id)
{
  for (CBitmapSlotButton* slot : m_slots) slot->SetChecked(slot->GetId() == id);
  m_none->SetChecked(m_none->GetId() == id);
}

void CChooseBitmapDialog::UpdateSlotButtons()
{
  for (CBitmapSlotButton* slot : m_slots) {
    slot->Enable(slot->ShowsBitmap());
    slot->Refresh();
  }
}

wxTreeItemId CChooseBitmapDialog::SelectedItem() const
{
  // The tree marks its hidden root as current when nothing else is.
  const wxTreeItemId item = m_tree->GetSelection();
  return item.IsOk() && item != m_root ? item : wxTreeItemId();
}

void CChooseBitmapDialog::UpdateTreeButtons()
{
  const bool selected = SelectedItem().IsOk();
  m_add->Enable(selected);
  m_copy->Enable(selected);
}

wxTreeItemId CChooseBitmapDialog::FindChild(const wxTreeItemId& parent, const wxString& text) const
{
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = m_tree->GetFirstChild(parent, cookie); child.IsOk();
       child = m_tree->GetNextChild(parent, cookie)) {
    if (m_tree->GetItemText(child) == text) return child;
  }
  return {};
}

bool CChooseBitmapDialog::SelectTreeItem(const wxString& folder, const wxString& file)
{
  wxTreeItemId item = FindChild(m_root, folder);
  if (item.IsOk() && !file.empty()) item = FindChild(item, file);
  if (!item.IsOk()) return false;
  m_tree->SelectItem(item);
  UpdateTreeButtons();
  return true;
}

std::vector<wxString> CChooseBitmapDialog::TreeFolders() const
{
  std::vector<wxString> texts;
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = m_tree->GetFirstChild(m_root, cookie); child.IsOk();
       child = m_tree->GetNextChild(m_root, cookie))
    texts.push_back(m_tree->GetItemText(child));
  return texts;
}

std::vector<wxString> CChooseBitmapDialog::TreeFiles(const wxString& folder) const
{
  std::vector<wxString> texts;
  const wxTreeItemId folderItem = FindChild(m_root, folder);
  if (!folderItem.IsOk()) return texts;
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = m_tree->GetFirstChild(folderItem, cookie); child.IsOk();
       child = m_tree->GetNextChild(folderItem, cookie))
    texts.push_back(m_tree->GetItemText(child));
  return texts;
}

bool CChooseBitmapDialog::IsFolderExpanded(const wxString& folder) const
{
  const wxTreeItemId item = FindChild(m_root, folder);
  return item.IsOk() && m_tree->IsExpanded(item);
}

wxTreeItemId CChooseBitmapDialog::InsertSorted(const wxTreeItemId& parent, const std::string& model,
                                               const std::string& native, int image,
                                               int selectedImage)
{
  std::size_t before = 0;
  wxTreeItemIdValue cookie;
  for (wxTreeItemId child = m_tree->GetFirstChild(parent, cookie); child.IsOk();
       child = m_tree->GetNextChild(parent, cookie), ++before) {
    if (BitmapTreeOrder(model, NameOf(m_tree, child).Model)) break;
  }
  return m_tree->InsertItem(parent, before, ToWx(model), image, selectedImage,
                            new TreeName(model, native));
}

bool CChooseBitmapDialog::AddBitmap(const std::string& name)
{
  AddBitmapResult result = ::AddBitmap(name);
  switch (result.Outcome) {
  case AddBitmapOutcome::AlreadyInSet:
    CheckRadio(ids::ChooseBitmapSlot0 + result.Slot);
    return true;
  case AddBitmapOutcome::SetFull:
    messages::ShowBitmapSetFull(this);
    return false;
  case AddBitmapOutcome::Refused:
    messages::Show(this, wxString::FromUTF8(result.Reason), messages::WarningCaption,
                   wxOK | wxICON_WARNING);
    return false;
  case AddBitmapOutcome::Added:
    break;
  }
  m_bitmapsChanged = true;
  if (!result.LoadProblem.empty()) m_loadProblems.push_back(std::move(result.LoadProblem));
  UpdateSlotButtons();
  CheckRadio(ids::ChooseBitmapSlot0 + result.Slot);
  return true;
}

bool CChooseBitmapDialog::AddFileItem(const wxTreeItemId& item)
{
  const wxTreeItemId folder = m_tree->GetItemParent(item);
  return AddBitmap(NameOf(m_tree, folder).Model + "\\" + NameOf(m_tree, item).Model);
}

void CChooseBitmapDialog::ReportLoadProblems()
{
  if (m_loadProblems.empty()) return;
  wxString text = "These bitmaps are shown empty:\n";
  for (const auto& problem : m_loadProblems) text += "\n" + wxString::FromUTF8(problem);
  m_loadProblems.clear();
  messages::Show(this, text, messages::WarningCaption, wxOK | wxICON_WARNING);
}

void CChooseBitmapDialog::AddSelection()
{
  const wxTreeItemId item = SelectedItem();
  if (!item.IsOk()) {
    messages::Show(this, "Select a bitmap, or folder from the list above to add",
                   messages::AppTitle(), wxOK);
    return;
  }
  if (m_tree->GetItemParent(item) != m_root) {
    AddFileItem(item);
  } else {
    // A whole folder, in tree order, up to the first file that is refused.
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = m_tree->GetFirstChild(item, cookie); child.IsOk();
         child = m_tree->GetNextChild(item, cookie)) {
      if (!AddFileItem(child)) break;
    }
  }
  ReportLoadProblems();
}

void CChooseBitmapDialog::RemoveChecked()
{
  const int k = CheckedSlot();
  if (k < 0 || BitmapCount == 0) return;
  if (!RemoveBitmap(k)) return; // an empty slot holds nothing to remove
  m_bitmapsChanged = true;
  UpdateSlotButtons();
  Refresh();
  // The same button stays checked and shows the bitmap that moved into
  // its slot; when the last slot went, the new last one is checked.
  if (k == BitmapCount) CheckRadio(ids::ChooseBitmapSlot0 + BitmapCount - 1);
}

void CChooseBitmapDialog::ClickSlot(int k)
{
  if (k >= MaxBitmaps || k < -1) return;
  if (k >= BitmapCount) return; // an empty slot cannot be chosen
  CheckRadio(k < 0 ? ids::ChooseBitmapNoneButton : ids::ChooseBitmapSlot0 + k);
}

void CChooseBitmapDialog::CopyBitmap()
{
  wxTreeItemId folder = SelectedItem();
  if (!folder.IsOk()) {
    messages::Show(this, "Select a folder to copy to", messages::AppTitle(), wxOK);
    return;
  }
  if (m_tree->GetItemParent(folder) != m_root) folder = m_tree->GetItemParent(folder);

  // The GTK chooser matches patterns with regard to case, Windows without:
  // the second pattern lists FAN.BMP and Fan.Bmp there, and matches nothing
  // on Windows, where the first already lists them.
  wxFileDialog chooser(this, "Select Bitmap to copy", wxString(), wxString(),
                       "Pictures (.bmp, .png, .jpg, .gif and others)|" + PictureFilePatterns() +
                           "|Windows Bitmaps (.bmp)|*.bmp;*.[bB][mM][pP]",
                       wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (chooser.ShowModal() != wxID_OK) return;
  wxString chosen = chooser.GetPath();
  // GTK's chooser does not know a path that was set while it was never
  // shown (as when a dialog is answered by a script); the dialog still does.
  if (chosen.empty()) chosen = chooser.wxFileDialogBase::GetPath();
  const fs::path source = platform::PathFromUtf8(chosen.utf8_string());
  const std::string sourceName = platform::Utf8FromPath(source.filename());
  // A picture of another format is brought in as a BMP of its own name.
  const bool converted = !IsBmpFileName(sourceName);
  std::optional<RgbaPixels> pixels;
  if (converted) {
    pixels = DecodePictureFile(chosen);
    if (!pixels) {
      messages::ShowRefusal(this, wxString::FromUTF8(platform::DisplayPath(source)) +
                                      " could not be read as a picture.");
      return;
    }
    if (auto problem = ConvertedPictureProblem(pixels->Width, pixels->Height)) {
      messages::ShowRefusal(this, wxString::FromUTF8(*problem));
      return;
    }
  }
  const std::string fileName = converted ? ConvertedBitmapName(sourceName) : sourceName;
  if (auto problem = CopiedBitmapNameProblem(fileName)) {
    messages::Show(this, wxString::FromUTF8(*problem), messages::WarningCaption,
                   wxOK | wxICON_WARNING);
    return;
  }
  // The target lies directly in the chosen folder of the tovels folder: the
  // name checked above holds no separator.
  const fs::path folderPath =
      platform::NativePath(TovelsFolder) / platform::PathFromUtf8(NameOf(m_tree, folder).Native);
  const fs::path target = folderPath / platform::PathFromUtf8(fileName);
  const wxString sourceShown = wxString::FromUTF8(platform::DisplayPath(source));
  const wxString targetShown = wxString::FromUTF8(platform::DisplayPath(target));
  const wxString question =
      converted ? wxString::Format("Convert %s (%d x %d pixels) to the bitmap %s?", sourceShown,
                                   pixels->Width, pixels->Height, targetShown)
                : "Copy " + sourceShown + " to " + targetShown + "?";
  if (messages::Show(this, question, messages::ConfirmationCaption,
                     wxOK | wxCANCEL | wxICON_QUESTION) != wxID_OK)
    return;
  const auto failed = converted ? WriteBitmapIntoFolder(EncodeBmp(*pixels), fileName, folderPath)
                                : CopyBitmapIntoFolder(source, folderPath);
  if (failed) {
    messages::Show(this, "Failed to copy file, possibly because file already exists.",
                   messages::ErrorCaption, wxOK | wxICON_ERROR);
    return;
  }
  const wxTreeItemId item =
      InsertSorted(folder, *platform::Utf8ToCp1252(fileName), fileName, m_fileImage, m_fileImage);
  m_tree->EnsureVisible(item);
  m_tree->SelectItem(item);
  UpdateTreeButtons();
}

void CChooseBitmapDialog::MakeNewFolder()
{
  CNewFolderDialog dialog(this, platform::NativePath(TovelsFolder));
  if (dialog.ShowModal() != wxID_OK || dialog.FolderName().empty()) return;
  // The dialog made the folder; the tree shows it now.
  const std::string& model = dialog.FolderName();
  const wxTreeItemId item =
      InsertSorted(m_root, model, platform::Cp1252ToUtf8(model), m_folderImage, m_openFolderImage);
  m_tree->SetItemImage(item, m_openFolderImage, wxTreeItemIcon_Expanded);
  m_tree->SetItemImage(item, m_openFolderImage, wxTreeItemIcon_SelectedExpanded);
  m_tree->EnsureVisible(item);
  m_tree->SelectItem(item);
  UpdateTreeButtons();
}

void CChooseBitmapDialog::OnTreeSelection(wxTreeEvent& event)
{
  UpdateTreeButtons();
  event.Skip();
}

void CChooseBitmapDialog::OnTreeActivated(wxTreeEvent& event)
{
  const wxTreeItemId item = event.GetItem();
  if (item.IsOk() && item != m_root && m_tree->GetItemParent(item) != m_root) {
    AddFileItem(item);
    ReportLoadProblems();
  }
  // Left unhandled, a double-click on a folder opens or closes it.
  event.Skip();
}

void CChooseBitmapDialog::OnSlotButton(wxCommandEvent& event)
{
  const int id = event.GetId();
  ClickSlot(id == ids::ChooseBitmapNoneButton ? -1 : id - ids::ChooseBitmapSlot0);
}

void CChooseBitmapDialog::OnOk(wxCommandEvent&)
{
  if (IsModal()) EndModal(ResultForOk());
}

void CChooseBitmapDialog::OnCancel(wxCommandEvent&)
{
  if (IsModal()) EndModal(ChooseBitmapCancelled);
}

void CChooseBitmapDialog::OnClose(wxCloseEvent&)
{
  if (IsModal())
    EndModal(ChooseBitmapCancelled);
  else
    Hide();
}
