// The Set Connections command as the user gives it: the sheet is answered
// with edits on its pages and then OK or Cancel.
#include <gtest/gtest.h>

#include <set>

#include <wx/bookctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/MainFrame.h"
#include "connections/AdcPropertyPage.h"
#include "connections/ConnectionsSheet.h"
#include "connections/InputsPropertyPage.h"
#include "connections/MotorsPropertyPage.h"
#include "connections/OutputsPropertyPage.h"
#include "connections/VariablesPropertyPage.h"
#include "document/TovelCreatorDoc.h"
#include "model/Tovel.h"
#include "model/TovelChange.h"
#include "resources/ResourceIds.h"
#include "support/DialogExpectations.h"
#include "support/FrameFixture.h"

namespace {

using Page = ConnectionTable;

class SetConnections : public FrameFixture {
protected:
  bool Modified() const { return m_frame->GetDocument()->IsModified(); }

  // Runs the command, answering the sheet with `answer`.
  void Run(std::function<int(CConnectionsSheet*)> answer)
  {
    wxTEST_DIALOG(Command(ids::SetConnections), ExpectDialog<CConnectionsSheet>(std::move(answer)));
  }

  // Two items and links naming them, some of them cleared.
  void SomeLinks()
  {
    ItemCount = 2;
    ItemTable[0] = {0, 0, 50, 21, FlagText, 0, {"lamp", "-1", "-1", "-1"}};
    ItemTable[1] = {0, 30, 50, 51, FlagText, 0, {"pump", "-1", "-1", "-1"}};
    AnnounceTovelChange({TovelChange::Replaced});
    m_frame->SelectItem(1);
    InputLinks[0][0] = 0;
    InputLinks[2][2] = 4;
    OutputLinks[7][2] = 29;
    ValueLinks[1][1] = 1;
    MotorLinks[3][3] = 5;
    VariableLinks[7] = 12;
  }
};

// The labels of the static texts on a window.
std::set<wxString> LabelsOn(const wxWindow* window)
{
  std::set<wxString> labels;
  for (const wxWindow* child : window->GetChildren())
    if (dynamic_cast<const wxStaticText*>(child)) labels.insert(child->GetLabel());
  return labels;
}

int EditCount(const wxWindow* window)
{
  int count = 0;
  for (const wxWindow* child : window->GetChildren())
    if (dynamic_cast<const wxTextCtrl*>(child)) ++count;
  return count;
}

} // namespace

TEST_F(SetConnections, SheetShowsEveryPageWithItsLinks)
{
  SomeLinks();
  InputLinks[1][1] = -3; // a negative entry shows as an empty box
  const TovelTables before = TheTovel;
  Run([&](CConnectionsSheet* sheet) {
    EXPECT_EQ(sheet->GetTitle(), "Set Connections");
    EXPECT_EQ(sheet->GetParent(), m_frame);
    wxBookCtrlBase* book = sheet->GetBookCtrl();
    const wxString captions[] = {"Inputs", "Outputs", "Values", "Motors", "Variables"};
    const int pageIds[] = {136, 137, 138, 139, 140};
    const int edits[] = {24, 24, 8, 16, 8};
    EXPECT_EQ(book->GetPageCount(), 5u);
    for (std::size_t p = 0; p < 5; ++p) {
      EXPECT_EQ(book->GetPageText(p), captions[p]);
      EXPECT_EQ(book->GetPage(p), sheet->Page(static_cast<Page>(p)));
      EXPECT_EQ(book->GetPage(p)->GetId(), pageIds[p]);
      EXPECT_EQ(EditCount(book->GetPage(p)), edits[p]) << captions[p];
    }
    EXPECT_TRUE(dynamic_cast<CInputsPropertyPage*>(book->GetPage(0)));
    EXPECT_TRUE(dynamic_cast<COutputsPropertyPage*>(book->GetPage(1)));
    EXPECT_TRUE(dynamic_cast<CAdcPropertyPage*>(book->GetPage(2)));
    EXPECT_TRUE(dynamic_cast<CMotorsPropertyPage*>(book->GetPage(3)));
    EXPECT_TRUE(dynamic_cast<CVariablesPropertyPage*>(book->GetPage(4)));
    EXPECT_EQ(book->GetSelection(), 0);
    EXPECT_EQ(sheet->SelectedPage(), Page::Inputs);

    EXPECT_EQ(sheet->CellText(Page::Inputs, 1016), "0"); // item 0 is not "none"
    EXPECT_EQ(sheet->CellText(Page::Inputs, 1017), "");
    EXPECT_EQ(sheet->CellText(Page::Inputs, 1025), "");
    EXPECT_EQ(sheet->CellText(Page::Inputs, 1034), "4");
    EXPECT_EQ(sheet->CellText(Page::Outputs, 1039), "29");
    EXPECT_EQ(sheet->CellText(Page::Values, 1025), "1");
    EXPECT_EQ(sheet->CellText(Page::Values, 1024), "");
    EXPECT_EQ(sheet->CellText(Page::Motors, 1043), "5");
    EXPECT_EQ(sheet->CellText(Page::Variables, 1023), "12");
    EXPECT_EQ(sheet->FindEdit(Page::Values, 1020), nullptr); // values have four rows
    EXPECT_EQ(sheet->FindEdit(Page::Variables, 1024), nullptr);
    EXPECT_EQ(sheet->Page(Page::Motors)->Edit(3, 3), sheet->FindEdit(Page::Motors, 1043));

    const auto inputs = LabelsOn(sheet->Page(Page::Inputs));
    for (const char* label : {"1", "8", "Items to display", "Input to switch off"})
      EXPECT_TRUE(inputs.count(label)) << label;
    const auto values = LabelsOn(sheet->Page(Page::Values));
    for (const char* label : {"1", "4", "Items to display readings", "full d.p.", "1 less d.p."})
      EXPECT_TRUE(values.count(label)) << label;
    EXPECT_FALSE(values.count("5"));
    const auto motors = LabelsOn(sheet->Page(Page::Motors));
    for (const char* label : {"A", "D", "Items to display", "Inputs to switch off"})
      EXPECT_TRUE(motors.count(label)) << label;
    EXPECT_EQ(LabelsOn(sheet->Page(Page::Variables)),
              (std::set<wxString>{"a", "b", "c", "d", "n", "x", "y", "z", "Items to display"}));
    return wxID_CANCEL;
  });
  EXPECT_EQ(TheTovel, before);
  EXPECT_FALSE(Modified());
}

TEST_F(SetConnections, OkWritesEditsOnSeveralPages)
{
  // A new tovel: every box empty; OK without edits leaves every link none
  // and the tovel unmodified.
  TovelTables cleared = TheTovel;
  cleared.ClearLinks();
  Run([](CConnectionsSheet* sheet) {
    EXPECT_EQ(sheet->Texts(), ConnectionTexts{});
    return wxID_OK;
  });
  EXPECT_EQ(TheTovel, cleared);
  EXPECT_FALSE(Modified());

  SomeLinks();
  TovelTables expected = TheTovel;
  Run([](CConnectionsSheet* sheet) {
    sheet->SetCellText(Page::Inputs, ids::ConnectionEdit(3, 2), "5");
    sheet->SetCellText(Page::Inputs, ids::ConnectionEdit(1, 1), "");
    sheet->SelectPage(Page::Values);
    sheet->SetCellText(Page::Values, ids::ConnectionEdit(2, 2), "12ab");
    sheet->SelectPage(Page::Motors);
    sheet->SetCellText(Page::Motors, ids::ConnectionEdit(1, 3), "-3");
    sheet->SetCellText(Page::Motors, ids::ConnectionEdit(4, 1), " ");
    sheet->SelectPage(Page::Variables);
    EXPECT_EQ(sheet->SelectedPage(), Page::Variables);
    sheet->SetCellText(Page::Variables, ids::ConnectionEdit(8, 1), "x");
    // Edits made on pages left earlier are still there.
    EXPECT_EQ(sheet->CellText(Page::Inputs, ids::ConnectionEdit(3, 2)), "5");
    return wxID_OK;
  });
  expected.InputLinks[2][1] = 5; // beyond the two items, stored as typed
  expected.InputLinks[0][0] = -1;
  expected.ValueLinks[1][1] = 12;
  expected.MotorLinks[0][2] = -3;
  expected.MotorLinks[3][0] = 0;
  expected.VariableLinks[7] = 0;
  EXPECT_EQ(TheTovel, expected);
  EXPECT_EQ(ItemCount, 2);
  EXPECT_EQ(CurrentItem, 1);
  EXPECT_TRUE(Modified());

  // The -3 shows as an empty box next time, and OK stores it as none.
  Run([](CConnectionsSheet* sheet) {
    EXPECT_EQ(sheet->CellText(Page::Motors, ids::ConnectionEdit(1, 3)), "");
    EXPECT_EQ(sheet->CellText(Page::Values, ids::ConnectionEdit(2, 2)), "12");
    return wxID_OK;
  });
  expected.MotorLinks[0][2] = -1;
  EXPECT_EQ(TheTovel, expected);
}

TEST_F(SetConnections, CancelDiscardsEditsOnEveryPage)
{
  SomeLinks();
  const TovelTables before = TheTovel;
  Run([](CConnectionsSheet* sheet) {
    sheet->SetCellText(Page::Inputs, ids::ConnectionEdit(1, 1), "");
    sheet->SetCellText(Page::Inputs, ids::ConnectionEdit(8, 3), "3");
    sheet->SelectPage(Page::Outputs);
    sheet->SetCellText(Page::Outputs, ids::ConnectionEdit(8, 3), "7");
    sheet->SelectPage(Page::Motors);
    sheet->SetCellText(Page::Motors, ids::ConnectionEdit(4, 4), "");
    EXPECT_EQ(sheet->Texts().Motors[3][3], "");
    EXPECT_EQ(sheet->Texts().Outputs[7][2], "7");
    return wxID_CANCEL;
  });
  EXPECT_EQ(TheTovel, before);
  EXPECT_FALSE(Modified());

  // Closing the sheet any other way than OK discards the edits too.
  Run([](CConnectionsSheet* sheet) {
    sheet->SetCellText(Page::Variables, ids::ConnectionEdit(1, 1), "9");
    return wxID_CLOSE;
  });
  EXPECT_EQ(TheTovel, before);
  EXPECT_FALSE(Modified());
}
