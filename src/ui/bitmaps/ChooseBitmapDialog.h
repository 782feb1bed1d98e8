// "Choose Bitmap": manages the tovel's bitmaps and picks one for a picture.
#pragma once

#include <array>
#include <string>
#include <vector>

#include <wx/dialog.h>
#include <wx/treebase.h>

class wxButton;
class wxTreeCtrl;
class wxTreeEvent;
class CBitmapSlotButton;

// What the dialog's ShowModal returns.
constexpr int ChooseBitmapNone = 1;         // OK with no slot chosen: no picture
constexpr int ChooseBitmapCancelled = 2;    // Cancel: nothing chosen
constexpr int ChooseBitmapFirstSlot = 2060; // OK with slot k chosen: 2060 + k

class CChooseBitmapDialog : public wxDialog {
public:
  // manageMode: opened to change the set (OK reads "Close", no Cancel or
  // None); otherwise to pick a picture. preselect: the slot checked at
  // first, or -1 for none.
  CChooseBitmapDialog(wxWindow* parent, bool manageMode, int preselect);

  // Whether Add or Remove changed the bitmap set.
  bool BitmapsChanged() const { return m_bitmapsChanged; }

  wxTreeCtrl* GetTree() const { return m_tree; }
  // The button of slot k, or the None button for k = -1.
  CBitmapSlotButton* GetSlotButton(int k) const;

  // What OK would end the dialog with now: 2060 + k for the lowest checked
  // slot in use, else 1 (no picture).
  int ResultForOk() const;
  // The lowest checked slot button, or -1 when no slot button is checked.
  int CheckedSlot() const;

  // Selects a folder of the tree, or a file in it; false when the tree has
  // no such item.
  bool SelectTreeItem(const wxString& folder, const wxString& file = wxString());
  // The folders of the tree, or the files of one folder, in tree order.
  std::vector<wxString> TreeFolders() const;
  std::vector<wxString> TreeFiles(const wxString& folder) const;
  bool IsFolderExpanded(const wxString& folder) const;

  // Adds a bitmap name (folder\file) to the set, or checks the slot that
  // holds it already. False when the set is full or the name is refused,
  // after telling the user.
  bool AddBitmap(const std::string& name);

  // What the buttons do.
  void AddSelection();   // "Add -->"
  void RemoveChecked();  // "<-- Remove"
  void CopyBitmap();     // "Copy BMP..."
  void MakeNewFolder();  // "New folder..."
  void ClickSlot(int k); // slot button k, or None for k = -1

private:
  void CreateControls();
  void FillTree();
  // Checks the button with that id among 2060 to 2080 and unchecks the
  // others; an id outside that range unchecks them all.
  void CheckRadio(int id);
  // Repaints the slot buttons after the set changed; empty slots cannot be
  // pressed.
  void UpdateSlotButtons();
  void UpdateTreeButtons();
  // The selected folder or file item; not ok when none is selected.
  wxTreeItemId SelectedItem() const;
  // Adds one file item's bitmap (AddBitmap with its folder\file name).
  bool AddFileItem(const wxTreeItemId& item);
  wxTreeItemId FindChild(const wxTreeItemId& parent, const wxString& text) const;
  // Inserts an item among the children of parent in tree order.
  wxTreeItemId InsertSorted(const wxTreeItemId& parent, const std::string& model,
                            const std::string& native, int image, int selectedImage);
  // Tells the user about the added bitmap files that could not be read.
  void ReportLoadProblems();

  void OnTreeSelection(wxTreeEvent& event);
  void OnTreeActivated(wxTreeEvent& event);
  void OnSlotButton(wxCommandEvent& event);
  void OnOk(wxCommandEvent& event);
  void OnCancel(wxCommandEvent& event);
  void OnClose(wxCloseEvent& event);

  bool m_manageMode;
  bool m_bitmapsChanged = false;
  wxTreeCtrl* m_tree = nullptr;
  wxTreeItemId m_root;
  std::array<CBitmapSlotButton*, 20> m_slots{};
  CBitmapSlotButton* m_none = nullptr;
  wxButton* m_add = nullptr;
  wxButton* m_copy = nullptr;
  wxButton* m_ok = nullptr;
  wxButton* m_cancel = nullptr;
  // Image indexes of the tree's icons; -1 when there are no icons.
  int m_folderImage = -1;
  int m_openFolderImage = -1;
  int m_fileImage = -1;
  std::vector<std::string> m_loadProblems;
};
