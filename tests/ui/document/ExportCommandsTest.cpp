#include <gtest/gtest.h>

#include <wx/filedlg.h>
#include <wx/listbox.h>
#include <wx/textctrl.h>

#include "app/MainFrame.h"
#include "bitmaps/PictureLoading.h"
#include "cli/RunTovelcreator.h"
#include "common/BmpMaker.h"
#include "document/AcornDetailsDialog.h"
#include "document/OpenTovelDialog.h"
#include "document/TovelCreatorDoc.h"
#include "model/Tovel.h"
#include "resources/ResourceIds.h"
#include "support/DialogExpectations.h"
#include "support/FrameFixture.h"

using ExportCommands = FrameFixture;

namespace {

ExpectDialog<wxFileDialog> SaveTo(const std::filesystem::path& path, const wxString& title,
                                  const wxString& name)
{
  return ExpectDialog<wxFileDialog>([path, title, name](wxFileDialog* dialog) {
    EXPECT_EQ(dialog->GetMessage(), title);
    // GTK's chooser knows no name while it was never shown; the dialog does.
    EXPECT_EQ(dialog->wxFileDialogBase::GetFilename(), name);
    EXPECT_TRUE(dialog->GetWildcard().StartsWith("Tovel files (*.*)|"));
    // It opens in the tovels folder and asks before replacing a file.
    EXPECT_EQ(std::filesystem::path(dialog->wxFileDialogBase::GetDirectory().utf8_string()),
              std::filesystem::path(TovelsFolder));
    EXPECT_TRUE(dialog->HasFlag(wxFD_SAVE));
    EXPECT_TRUE(dialog->HasFlag(wxFD_OVERWRITE_PROMPT));
    dialog->SetPath(wxString::FromUTF8(path.string()));
    return wxID_OK;
  });
}

ExpectDialog<wxFileDialog> CancelFileDialog()
{
  return ExpectDialog<wxFileDialog>([](wxFileDialog*) { return wxID_CANCEL; });
}

ExpectDialog<COpenTovelDialog> Choose(const wxString& name)
{
  return ExpectDialog<COpenTovelDialog>([name](COpenTovelDialog* dialog) {
    EXPECT_TRUE(dialog->GetList()->SetStringSelection(name)) << name;
    return dialog->AcceptSelection() ? wxID_OK : wxID_CANCEL;
  });
}

// Answers one of the details dialog's messages after checking its text,
// caption and icon.
class ExpectRefusal : public wxExpectModalBase<wxMessageDialog> {
public:
  ExpectRefusal(wxString text, long icon) : m_text(std::move(text)), m_icon(icon) {}

protected:
  int OnInvoked(wxMessageDialog* dialog) const override
  {
    EXPECT_EQ(dialog->GetMessage(), m_text);
    EXPECT_EQ(dialog->GetTitle(), "TovelCreator");
    EXPECT_EQ(dialog->GetMessageDialogStyle() & wxICON_MASK, m_icon) << m_text;
    return wxID_OK;
  }

private:
  wxString m_text;
  long m_icon;
};

const wxString TooLong = "Please enter no more than 10 characters.";
const wxString NotANumber = "Please enter a positive integer.";
const wxString TooLarge = "Please enter an integer between 0 and 1024000.";

// Presses OK in the details dialog with the given values; true when the
// dialog would close.
bool PressOk(CAcornDetailsDialog* dialog, const wxString& directory, const wxString& size)
{
  dialog->GetDirectoryEdit()->ChangeValue(directory);
  dialog->GetSizeEdit()->ChangeValue(size);
  return dialog->AcceptValues();
}

// Whether a typed character reaches the edit (true) or is swallowed.
bool TypedCharacterPasses(wxTextCtrl* edit, wxChar typed)
{
  wxKeyEvent key(wxEVT_CHAR);
  key.m_keyCode = typed;
  key.m_uniChar = typed;
  key.SetEventObject(edit);
  return !edit->ProcessWindowEvent(key);
}

} // namespace

TEST_F(ExportCommands, DetailsDialogRefusesBadValuesInOrder)
{
  const auto tovel = m_tovels.Write("LongTovelName", SmallTovel("pump", 2));
  wxTEST_DIALOG(Command(ids::FileOpen), Choose("LongTovelName"));
  m_frame->GetDocument()->Modify(true);
  const auto target = m_folder / "ArcTovel";

  wxTEST_DIALOG(Command(ids::SaveAcorn), SaveTo(target, "Save Acorn Tovel As", "ArcTovel"),
                ExpectDialog<CAcornDetailsDialog>([](CAcornDetailsDialog* dialog) {
                  EXPECT_EQ(dialog->GetTitle(), "Acorn tovel details");
                  EXPECT_EQ(dialog->GetId(), ids::AcornDetailsDialog);
                  EXPECT_EQ(dialog->GetDirectoryEdit()->GetId(), ids::SpritesDirectoryEdit);
                  EXPECT_EQ(dialog->GetSizeEdit()->GetId(), ids::SpritesSizeEdit);
                  // The whole name is offered even though it is too long.
                  EXPECT_EQ(dialog->GetDirectoryEdit()->GetValue(), "LongTovelName");
                  EXPECT_EQ(dialog->GetSizeEdit()->GetValue(), "0");

                  bool accepted = true;
                  wxTEST_DIALOG(accepted = dialog->AcceptValues(),
                                ExpectRefusal(TooLong, wxICON_EXCLAMATION));
                  EXPECT_FALSE(accepted);
                  // The directory is checked before the size.
                  wxTEST_DIALOG(accepted = PressOk(dialog, "ABCDEFGHIJK", "1024001"),
                                ExpectRefusal(TooLong, wxICON_EXCLAMATION));
                  EXPECT_FALSE(accepted);
                  for (const char* bad : {"", "abc", " 5", "5 x"}) {
                    wxTEST_DIALOG(accepted = PressOk(dialog, "ABCDEFGHIJ", bad),
                                  ExpectRefusal(NotANumber, wxICON_NONE));
                    EXPECT_FALSE(accepted) << bad;
                  }
                  wxTEST_DIALOG(accepted = PressOk(dialog, "ABCDEFGHIJ", "1024001"),
                                ExpectRefusal(TooLarge, wxICON_EXCLAMATION));
                  EXPECT_FALSE(accepted);
                  // Spaces after the digits are allowed.
                  EXPECT_TRUE(PressOk(dialog, "Sprites", "1024000 "));
                  EXPECT_EQ(dialog->SpritesDirectory(), "Sprites");
                  EXPECT_EQ(dialog->SpritesSize(), 1024000u);
                  return wxID_OK;
                }));

  const std::string written = ReadFileText(target);
  EXPECT_EQ(written.substr(0, written.find('\n') + 1), "Sprites;1;1024000;\n");
  EXPECT_NE(written.find("\n20,-60,200,-20,10,pump,0,0,0;\n2,-1,-1;\n"), std::string::npos);
  // The document still belongs to its own file, and is still modified.
  EXPECT_EQ(m_frame->GetTitle(), "LongTovelName - TovelCreator");
  EXPECT_EQ(m_frame->GetDocument()->TovelPath(), tovel);
  EXPECT_TRUE(m_frame->GetDocument()->IsModified());
  EXPECT_EQ(ReadFileText(tovel), SmallTovel("pump", 2));
}

TEST_F(ExportCommands, DetailsEditsFilterTypedCharacters)
{
  CAcornDetailsDialog dialog(m_frame, "");
  wxTextCtrl* size = dialog.GetSizeEdit();
  EXPECT_TRUE(TypedCharacterPasses(size, '7'));
  EXPECT_FALSE(TypedCharacterPasses(size, 'a'));
  EXPECT_FALSE(TypedCharacterPasses(size, ' '));
  EXPECT_FALSE(TypedCharacterPasses(size, '-'));
  EXPECT_TRUE(TypedCharacterPasses(size, WXK_BACK));

  wxTextCtrl* directory = dialog.GetDirectoryEdit();
  EXPECT_EQ(directory->GetValue(), "");
  EXPECT_TRUE(TypedCharacterPasses(directory, 'a'));
  directory->ChangeValue("ABCDEFGHIJ");
  directory->SetInsertionPointEnd();
  EXPECT_FALSE(TypedCharacterPasses(directory, 'K'));
  EXPECT_TRUE(TypedCharacterPasses(directory, WXK_BACK));
  // Typing over a selection replaces it, so it may go on.
  directory->SetSelection(0, 3);
  EXPECT_TRUE(TypedCharacterPasses(directory, 'K'));
}

TEST_F(ExportCommands, CancelInEitherDialogWritesNothing)
{
  const auto acorn = m_folder / "ArcTovel";
  wxTEST_DIALOG(Command(ids::SaveAcorn), CancelFileDialog());
  wxTEST_DIALOG(Command(ids::SaveAcorn), SaveTo(acorn, "Save Acorn Tovel As", "ArcTovel"),
                ExpectDialog<CAcornDetailsDialog>([](CAcornDetailsDialog* dialog) {
                  // A tovel without a file offers an empty directory.
                  EXPECT_EQ(dialog->GetDirectoryEdit()->GetValue(), "");
                  return wxID_CANCEL;
                }));
  wxTEST_DIALOG(Command(ids::SaveMacintosh), CancelFileDialog());
  EXPECT_TRUE(std::filesystem::is_empty(m_folder));
  EXPECT_EQ(m_frame->GetTitle(), "Untitled - TovelCreator");
}

TEST_F(ExportCommands, ExportsLeaveTheDocumentAndSaveStillWritesNative)
{
  const auto tovel = m_tovels.Write("Alpha", SmallTovel("alpha"));
  wxTEST_DIALOG(Command(ids::FileOpen), Choose("Alpha"));
  ASSERT_EQ(m_frame->GetTitle(), "Alpha - TovelCreator");

  // An empty directory is accepted and written as an empty first field.
  const auto acorn = m_folder / "out" / "ArcTovel";
  std::filesystem::create_directories(acorn.parent_path());
  wxTEST_DIALOG(Command(ids::SaveAcorn), SaveTo(acorn, "Save Acorn Tovel As", "ArcTovel"),
                ExpectDialog<CAcornDetailsDialog>([](CAcornDetailsDialog* dialog) {
                  EXPECT_EQ(dialog->GetDirectoryEdit()->GetValue(), "Alpha");
                  return PressOk(dialog, "", "0") ? wxID_OK : wxID_CANCEL;
                }));
  EXPECT_EQ(ReadFileText(acorn).substr(0, 7), ";1;0;\n2");

  const auto mac = m_folder / "out" / "MacTovel";
  wxTEST_DIALOG(Command(ids::SaveMacintosh), SaveTo(mac, "Save Macintosh Tovel As", "MacTovel"));
  const std::string macFile = ReadFileText(mac);
  EXPECT_EQ(macFile.substr(0, 36), "1;0;\r10,10,100,30,10,alpha,-1,-1,-1;");
  EXPECT_EQ(macFile.find('\n'), std::string::npos);

  EXPECT_EQ(m_frame->GetTitle(), "Alpha - TovelCreator");
  EXPECT_EQ(m_frame->GetDocument()->TovelPath(), tovel);
  EXPECT_FALSE(m_frame->GetDocument()->IsModified());

  // Save after the exports writes the native file to the tovel's own path.
  ItemTable[0].Contents[0] = "after";
  m_frame->GetDocument()->Modify(true);
  Command(ids::FileSave);
  EXPECT_EQ(ReadFileText(tovel), SmallTovel("after"));
  EXPECT_FALSE(m_frame->GetDocument()->IsModified());
  EXPECT_EQ(ReadFileText(mac), macFile);
}

TEST_F(ExportCommands, AFailedExportIsReportedAndChangesNothing)
{
  ItemCount = 1;
  ItemTable[0] = {10, 10, 100, 30, 10, 0, {"x", "-1", "-1", "-1"}};
  m_frame->GetDocument()->Modify(true);
  const auto nowhere = m_folder / "missing" / "Out";
  wxTEST_DIALOG(Command(ids::SaveMacintosh), SaveTo(nowhere, "Save Macintosh Tovel As", "MacTovel"),
                ExpectMessageContaining("contains an invalid path.", wxID_OK));
  wxTEST_DIALOG(Command(ids::SaveAcorn), SaveTo(nowhere, "Save Acorn Tovel As", "ArcTovel"),
                ExpectDialog<CAcornDetailsDialog>([](CAcornDetailsDialog*) { return wxID_OK; }),
                ExpectMessageContaining("contains an invalid path.", wxID_OK));
  EXPECT_FALSE(std::filesystem::exists(nowhere.parent_path()));
  EXPECT_EQ(m_frame->GetTitle(), "Untitled - TovelCreator");
  EXPECT_TRUE(m_frame->GetDocument()->TovelPath().empty());
  EXPECT_TRUE(m_frame->GetDocument()->IsModified());
}

TEST_F(ExportCommands, MacintoshSizesAreTheCommandLinesToo)
{
  auto writeBmp = [this](const std::string& name, const BmpRecipe& recipe) {
    const auto bytes = MakeBmp(recipe);
    m_tovels.Write("pics/" + name, std::string(bytes.begin(), bytes.end()));
  };
  // Bit-mask pictures the toolkit cannot read alone, a run-length file cut
  // short (shown empty), a missing file and a plain one.
  writeBmp("masks16.bmp", {.Width = 12, .Height = 7, .Bits = 16, .Compression = 3});
  writeBmp("masks32.bmp", {.Width = 9,
                           .Height = 5,
                           .Bits = 32,
                           .Compression = 3,
                           .Masks = {0xFF0000, 0x00FF00, 0x0000FF}});
  writeBmp("cut.bmp",
           {.Width = 20, .Height = 10, .Bits = 8, .Compression = 1, .Pixels = {4, 1, 0, 0}});
  writeBmp("plain.bmp", {.Width = 6, .Height = 4, .Bits = 8});
  const auto tovel = m_tovels.Write(
      "Sizes", "0;5;\r\npics\\masks16.bmp;pics\\masks32.bmp;pics\\cut.bmp;pics\\gone.bmp;"
               "pics\\plain.bmp;\r\n" +
                   TableLines());
  wxTEST_DIALOG(Command(ids::FileOpen), Choose("Sizes"),
                ExpectMessageContaining("cut.bmp", wxID_OK));
  EXPECT_TRUE(SlotPicture(0));
  EXPECT_TRUE(SlotPicture(1));
  EXPECT_FALSE(SlotPicture(2));

  const auto fromEditor = m_folder / "out" / "Editor";
  std::filesystem::create_directories(fromEditor.parent_path());
  wxTEST_DIALOG(Command(ids::SaveMacintosh),
                SaveTo(fromEditor, "Save Macintosh Tovel As", "MacTovel"));
  const auto fromCommandLine = m_folder / "out" / "CommandLine";
  const RunResult run =
      RunTovelcreator("--export mac --output '" + fromCommandLine.string() + "' --tovels-folder '" +
                          m_folder.string() + "' '" + tovel.string() + "'",
                      fromEditor.parent_path());
  ASSERT_EQ(run.status, 0) << run.err;

  // Each bitmap's header size, also for the one shown empty; 0 x 0 only for
  // the file that is not there.
  const std::string head = "0;5;\rpics:masks16,12,7;\rpics:masks32,9,5;\rpics:cut,20,10;\r"
                           "pics:gone,0,0;\rpics:plain,6,4;\r-1,-1,-1;\r";
  const std::string written = ReadFileText(fromEditor);
  EXPECT_EQ(written.substr(0, head.size()), head);
  EXPECT_EQ(ReadFileText(fromCommandLine), written);
}
