// The file choosers list the files their captions promise: every file for
// the extension-less tovels, and bitmaps whatever the letter case of .bmp.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <wx/filedlg.h>

#include "app/MainFrame.h"
#include "bitmaps/ChooseBitmapDialog.h"
#include "document/TovelCreatorDoc.h"
#include "resources/ResourceIds.h"
#include "support/ChooserFilter.h"
#include "support/DialogExpectations.h"
#include "support/FrameFixture.h"

using FileChoosers = FrameFixture;

TEST_F(FileChoosers, ListWhatTheirCaptionsPromise)
{
  using Answer = ExpectDialog<wxFileDialog>;
  struct Chooser {
    const char* Title;
    const char* Caption; // the filter's caption, kept as the user knows it
    std::vector<std::string> Listed;
    std::vector<std::string> Hidden;
    std::function<void(const Answer&)> Open;
  };
  const std::vector<std::string> every = {"MyTovel", "Tovel", "notes.txt", "UPPER.BMP"};
  m_tovels.Write("pumps/pump.bmp", "x");
  const std::vector<Chooser> choosers = {
      {"Save Tovel As",
       "Tovel files (*.*)",
       every,
       {},
       [&](const Answer& answer) { wxTEST_DIALOG(Command(ids::FileSaveAs), answer); }},
      {"Save As",
       "Tovel Files (*.*)",
       every,
       {},
       [&](const Answer& answer) {
         m_frame->GetDocument()->Modify(true);
         wxTEST_DIALOG(Command(ids::FileNew),
                       ExpectMessage("Save changes to Untitled?", "TovelCreator", wxID_YES),
                       answer);
         m_frame->GetDocument()->Modify(false);
       }},
      {"Save Acorn Tovel As",
       "Tovel files (*.*)",
       every,
       {},
       [&](const Answer& answer) { wxTEST_DIALOG(Command(ids::SaveAcorn), answer); }},
      {"Save Macintosh Tovel As",
       "Tovel files (*.*)",
       every,
       {},
       [&](const Answer& answer) { wxTEST_DIALOG(Command(ids::SaveMacintosh), answer); }},
      {"Select Bitmap to copy",
       "Pictures (.bmp, .png, .jpg, .gif and others)",
       {"fan.bmp", "FAN.BMP", "Fan.Bmp", "photo.png", "Photo.JPG", "logo.gif"},
       {"Tovel", "notes.txt", "bmp", "fan.bmpx"},
       [&](const Answer& answer) {
         CChooseBitmapDialog dialog(m_frame, false, -1);
         ASSERT_TRUE(dialog.SelectTreeItem("pumps", ""));
         wxTEST_DIALOG(dialog.CopyBitmap(), answer);
       }},
  };
  for (const Chooser& chooser : choosers) {
    chooser.Open(Answer([&](wxFileDialog* dialog) {
      EXPECT_EQ(dialog->GetMessage(), chooser.Title);
      EXPECT_EQ(dialog->GetWildcard().BeforeFirst('|'), chooser.Caption);
      // Where the platform's chooser cannot be asked, only the above is checked.
      for (const std::string& name : chooser.Listed)
        EXPECT_TRUE(ChooserLists(dialog, name).value_or(true))
            << chooser.Title << " hides " << name;
      for (const std::string& name : chooser.Hidden)
        EXPECT_FALSE(ChooserLists(dialog, name).value_or(false))
            << chooser.Title << " lists " << name;
      return wxID_CANCEL;
    }));
  }
}
