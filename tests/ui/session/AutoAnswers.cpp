#include "session/AutoAnswers.h"

#include <array>
#include <string>

#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include "bitmaps/ChooseBitmapDialog.h"
#include "connections/ConnectionTexts.h"
#include "connections/ConnectionsSheet.h"
#include "connections/NewConnectionDialog.h"
#include "editing/NewItemDialog.h"
#include "model/Tovel.h"
#include "resources/ResourceIds.h"

std::string AutoAnswers::NumberText(int low, int high)
{
  static const std::array<const char*, 6> odd = {"", "x", "12ab", "-3", "99999999999", " 4"};
  if (Chance(80)) return std::to_string(std::uniform_int_distribution<int>(low, high)(m_random));
  return odd[static_cast<std::size_t>(Below(static_cast<int>(odd.size())))];
}

int AutoAnswers::Enter(wxDialog* dialog)
{
  ++m_dialogs;
  if (dynamic_cast<wxMessageDialog*>(dialog)) return AnswerMessage(dialog);
  if (dynamic_cast<CChooseBitmapDialog*>(dialog)) return AnswerChooseBitmap(dialog);
  if (dynamic_cast<CNewItemDialog*>(dialog)) return AnswerNewItem(dialog);
  if (dynamic_cast<CNewConnectionDialog*>(dialog)) return AnswerNewConnection(dialog);
  if (dynamic_cast<CConnectionsSheet*>(dialog)) return AnswerSheet(dialog);
  // File choosers and everything else: the user thinks better of it.
  return wxID_CANCEL;
}

int AutoAnswers::AnswerMessage(wxDialog* dialog)
{
  ++m_messages;
  const long style = static_cast<wxMessageDialog*>(dialog)->GetMessageDialogStyle();
  if (style & wxYES_NO) {
    // Saving would ask for a file name, which is always cancelled.
    if (style & wxCANCEL && Chance(30)) return wxID_CANCEL;
    return Chance(50) ? wxID_YES : wxID_NO;
  }
  if (style & wxCANCEL) return Chance(70) ? wxID_OK : wxID_CANCEL;
  return wxID_OK;
}

int AutoAnswers::AnswerChooseBitmap(wxDialog* dialog)
{
  auto* chooser = static_cast<CChooseBitmapDialog*>(dialog);
  for (int actions = Below(3); actions > 0; --actions) {
    if (Chance(60)) {
      const auto folders = chooser->TreeFolders();
      if (folders.empty()) continue;
      const wxString folder =
          folders[static_cast<std::size_t>(Below(static_cast<int>(folders.size())))];
      const auto files = chooser->TreeFiles(folder);
      // A whole folder now and then, else one file.
      if (files.empty() || Chance(15))
        chooser->SelectTreeItem(folder);
      else
        chooser->SelectTreeItem(
            folder, files[static_cast<std::size_t>(Below(static_cast<int>(files.size())))]);
      chooser->AddSelection();
    } else {
      chooser->ClickSlot(Below(MaxBitmaps + 1) - 1);
      if (Chance(50)) chooser->RemoveChecked();
    }
  }
  if (Chance(20)) chooser->ClickSlot(Below(MaxBitmaps + 1) - 1);
  return Chance(80) ? chooser->ResultForOk() : ChooseBitmapCancelled;
}

int AutoAnswers::AnswerNewItem(wxDialog* dialog)
{
  auto* newItem = static_cast<CNewItemDialog*>(dialog);
  if (Chance(50))
    newItem->ChooseBackground();
  else
    newItem->ChooseLabel();
  if (Chance(40)) newItem->PressPictureButton();
  if (Chance(10)) return wxID_CANCEL;
  return newItem->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
}

int AutoAnswers::AnswerNewConnection(wxDialog* dialog)
{
  auto* connection = static_cast<CNewConnectionDialog*>(dialog);
  if (Chance(30)) {
    const ConnectionKind kind = connection->Kind();
    std::string text;
    if (kind == ConnectionKind::Motor) {
      static const std::array<const char*, 7> letters = {"a", "b", "c", "d", "e", "A", ""};
      text = letters[static_cast<std::size_t>(Below(static_cast<int>(letters.size())))];
    } else if (kind == ConnectionKind::Variable) {
      static const std::array<const char*, 6> letters = {"a", "d", "h", "z", "", "ab"};
      text = letters[static_cast<std::size_t>(Below(static_cast<int>(letters.size())))];
    } else {
      text = NumberText(-2, 18);
    }
    connection->GetEdit()->SetValue(wxString::FromUTF8(text));
  }
  for (int i = 0; i < connection->PictureButtonCount(); ++i)
    if (Chance(20)) connection->PressPictureButton(i);
  if (Chance(10)) return wxID_CANCEL;
  // A refused value is answered by a message; the user then gives up.
  return connection->TransferDataFromWindow() ? wxID_OK : wxID_CANCEL;
}

int AutoAnswers::AnswerSheet(wxDialog* dialog)
{
  auto* sheet = static_cast<CConnectionsSheet*>(dialog);
  for (int edits = Below(6); edits > 0; --edits) {
    const auto table = static_cast<ConnectionTable>(Below(ConnectionTableCount));
    wxTextCtrl* edit =
        sheet->Page(table)->Edit(Below(ConnectionRows(table)), Below(ConnectionColumns(table)));
    if (!edit) continue;
    // Only what names an existing item or nothing: links typed by hand to
    // items that do not exist are the user's own business.
    std::string text = Chance(50) ? "" : "-1";
    if (ItemCount > 0 && Chance(70)) text = NumberText(0, ItemCount - 1);
    const int entry = EntryFromText(text);
    if (entry < -1 || entry >= ItemCount) text = "-1";
    edit->SetValue(wxString::FromUTF8(text));
  }
  return Chance(70) ? wxID_OK : wxID_CANCEL;
}
