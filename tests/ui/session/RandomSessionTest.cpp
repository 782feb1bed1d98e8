// A long random session in a real main window: commands, clicks, drags,
// keys, property edits and bitmap changes, with every dialog answered at
// random, and the tables checked after every step.
//
// TOVEL_SESSION_STEPS sets the number of steps (default 3000, which runs in
// well under a minute under the sanitizers) and TOVEL_SESSION_SEED the
// random seed; a failure names both, so any run can be repeated exactly.
#include <cstdlib>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "app/MainFrame.h"
#include "document/TovelCreatorDoc.h"
#include "editing/CommandRules.h"
#include "editing/ItemKeys.h"
#include "editing/ItemPropertiesWindow.h"
#include "editing/ObjectsView.h"
#include "editing/TovelView.h"
#include "model/Tovel.h"
#include "model/TovelFile.h"
#include "resources/CommandTable.h"
#include "resources/ResourceIds.h"
#include "session/AutoAnswers.h"
#include "support/FrameFixture.h"

namespace {

int EnvironmentNumber(const char* name, int fallback)
{
  const char* text = std::getenv(name);
  return text && *text ? std::atoi(text) : fallback;
}

// What must hold after every step, or a description of what does not.
std::string BrokenInvariant()
{
  std::ostringstream out;
  if (ItemCount < 0 || ItemCount > MaxItems) out << "ItemCount is " << ItemCount;
  if (BitmapCount < 0 || BitmapCount > MaxBitmaps) out << "BitmapCount is " << BitmapCount;
  if (CurrentItem < -1 || CurrentItem >= std::max(ItemCount, 0))
    out << "CurrentItem is " << CurrentItem << " of " << ItemCount;
  const auto check = [&](const char* table, int row, int entry) {
    if (entry < -1 || entry >= ItemCount)
      out << table << " row " << row << " names item " << entry << " of " << ItemCount << "; ";
  };
  // Column 2 of the inputs and columns 2 and 3 of the motors hold input
  // numbers, not items.
  for (int r = 0; r < InputCount; ++r)
    for (int c = 0; c < 2; ++c) check("input", r, InputLinks[r][c]);
  for (int r = 0; r < OutputCount; ++r)
    for (int e : OutputLinks[r]) check("output", r, e);
  for (int r = 0; r < ValueCount; ++r)
    for (int e : ValueLinks[r]) check("value", r, e);
  for (int r = 0; r < MotorCount; ++r)
    for (int c = 0; c < 2; ++c) check("motor", r, MotorLinks[r][c]);
  for (int r = 0; r < VariableCount; ++r) check("variable", r, VariableLinks[r]);
  return out.str();
}

class RandomSession : public FrameFixture {
protected:
  void SetUp() override
  {
    // Three folders of pictures to choose from, as a user's tovels folder has.
    for (const char* folder : {"lamps", "motors", "pumps"})
      std::filesystem::copy(std::filesystem::path(TOVEL_SAMPLES_DIR) / "tovels" / folder,
                            m_folder / folder);
    FrameFixture::SetUp();
    ShowLargeOnScreen();
    m_view = m_frame->GetTovelView();
  }

  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
  bool Chance(int percent) { return Below(100) < percent; }

  // Sends a command the way a user can: only when it is enabled.
  std::string TryCommand(int id)
  {
    const auto command = CommandForId(id);
    if (command && !StateOfCommand(*command, m_frame->CurrentEditorState()).Enabled)
      return "skipped";
    Command(id);
    return "command " + std::to_string(id);
  }

  void Mouse(wxWindow* window, wxEventType type, wxPoint where, bool leftDown)
  {
    wxMouseEvent event(type);
    event.SetPosition(where);
    event.SetLeftDown(leftDown);
    event.SetEventObject(window);
    window->ProcessWindowEvent(event);
  }

  // A point on or near the page, in the view's window coordinates.
  wxPoint ViewPoint()
  {
    const int zoom = m_view->ZoomLevel();
    const wxPoint page(Below(440 * zoom) - 20, Below(360 * zoom) - 20);
    return m_view->CalcScrolledPosition(m_view->PageOrigin() + page);
  }

  std::string ClickOrDrag()
  {
    Mouse(m_view, wxEVT_LEFT_DOWN, ViewPoint(), true);
    const bool drag = Chance(60);
    if (drag)
      for (int moves = 1 + Below(3); moves > 0; --moves)
        Mouse(m_view, wxEVT_MOTION, ViewPoint(), true);
    Mouse(m_view, wxEVT_LEFT_UP, ViewPoint(), false);
    return drag ? "drag" : "click";
  }

  std::string PressInList()
  {
    CObjectsView* list = m_frame->GetObjectsView();
    const wxSize size = list->GetClientSize();
    const wxPoint where(Below(std::max(size.x, 1)), Below(std::max(size.y, 1)));
    Mouse(list, wxEVT_LEFT_DOWN, where, true);
    Mouse(list, wxEVT_LEFT_UP, where, false);
    return "list press";
  }

  std::string ArrowKey()
  {
    static const int keys[] = {WXK_LEFT, WXK_RIGHT, WXK_UP, WXK_DOWN};
    ItemKeyDown(keys[Below(4)], Chance(40));
    return "arrow key";
  }

  // Edits one field of the Item Properties window as typing or a click would.
  std::string EditProperty()
  {
    CItemPropertiesWindow* window = m_frame->GetPropertiesWindow();
    if (!window || !window->IsShown()) return TryCommand(ids::Properties);
    static const std::vector<std::string> texts = {
        "Pump", "", "On, off", "a;b", "12", "Temperature reading", "caf\xC3\xA9", "\xE2\x82\xAC 5"};
    switch (Below(4)) {
    case 0: {
      const int id = ids::PropertiesLeft + Below(4);
      if (wxTextCtrl* edit = window->GetEdit(id); edit && edit->IsEnabled())
        edit->SetValue(wxString::FromUTF8(m_answers->NumberText(-10, 420)));
      return "coordinate edit";
    }
    case 1:
      if (wxTextCtrl* edit = window->GetEdit(ids::PropertiesText); edit && edit->IsEnabled())
        edit->SetValue(wxString::FromUTF8(
            texts[static_cast<std::size_t>(Below(static_cast<int>(texts.size())))]));
      return "text edit";
    case 2: {
      static const int boxes[] = {ids::PropertiesClickable, ids::PropertiesFilled,
                                  ids::PropertiesYellow,    ids::PropertiesLabel,
                                  ids::PropertiesAutoOff,   ids::PropertiesFastRedraw};
      const int id = boxes[Below(6)];
      if (wxCheckBox* box = window->GetCheckBox(id); box && box->IsEnabled()) {
        box->SetValue(!box->GetValue());
        wxCommandEvent event(wxEVT_CHECKBOX, id);
        event.SetInt(box->GetValue() ? 1 : 0);
        event.SetEventObject(box);
        box->ProcessWindowEvent(event);
      }
      return "flag edit";
    }
    default: {
      if (Chance(50)) {
        const int id = Chance(50) ? ids::PropertiesTextRadio : ids::PropertiesPictureRadio;
        if (wxRadioButton* radio = window->GetRadio(id); radio && radio->IsEnabled()) {
          radio->SetValue(true);
          wxCommandEvent event(wxEVT_RADIOBUTTON, id);
          event.SetInt(1);
          event.SetEventObject(radio);
          radio->ProcessWindowEvent(event);
        }
        return "mode edit";
      }
      if (wxButton* button = window->GetPictureButton(Below(4)); button && button->IsEnabled()) {
        wxCommandEvent event(wxEVT_BUTTON, button->GetId());
        event.SetEventObject(button);
        button->ProcessWindowEvent(event);
      }
      return "picture edit";
    }
    }
  }

  std::string RandomStep()
  {
    const int roll = Below(100);
    if (roll < 8) return TryCommand(ids::NewItem);
    if (roll < 18) {
      static const int kinds[] = {ids::NewInput, ids::NewOutput, ids::NewValue, ids::NewMotor,
                                  ids::NewVariable};
      return TryCommand(kinds[Below(5)]);
    }
    if (roll < 22) return TryCommand(ids::Erase);
    if (roll < 27) return TryCommand(Chance(50) ? ids::MoveUp : ids::MoveDown);
    if (roll < 31) return TryCommand(Chance(50) ? ids::ZoomIn : ids::ZoomOut);
    if (roll < 33) return TryCommand(ids::ShowLabels);
    if (roll < 36) return TryCommand(ids::ChooseBitmaps);
    if (roll < 38) return TryCommand(ids::SetConnections);
    if (roll < 52) return ClickOrDrag();
    if (roll < 62) return PressInList();
    if (roll < 72) return ArrowKey();
    if (roll < 92) return EditProperty();
    if (roll < 94) return TryCommand(ids::RefreshBitmaps);
    if (roll < 95) return TryCommand(ids::FileNew);
    return TryCommand(ids::Properties);
  }

  std::mt19937 m_random;
  AutoAnswers* m_answers = nullptr;
  CTovelView* m_view = nullptr;
};

} // namespace

TEST_F(RandomSession, TablesStayConsistentAndTheTovelSavesAsEdited)
{
  const int steps = EnvironmentNumber("TOVEL_SESSION_STEPS", 3000);
  const int seed = EnvironmentNumber("TOVEL_SESSION_SEED", 20261207);
  m_random.seed(static_cast<std::mt19937::result_type>(seed));
  AutoAnswers answers(m_random);
  m_answers = &answers;

  int itemsMade = 0;
  int mostItems = 0;
  int mostBitmaps = 0;
  for (int step = 1; step <= steps; ++step) {
    const int itemsBefore = ItemCount;
    const std::string action = RandomStep();
    if (ItemCount > itemsBefore) itemsMade += ItemCount - itemsBefore;
    mostItems = std::max(mostItems, ItemCount);
    mostBitmaps = std::max(mostBitmaps, BitmapCount);
    const std::string broken = BrokenInvariant();
    ASSERT_EQ(broken, "") << "after step " << step << " (" << action << "), seed " << seed;
    // Let the windows paint and the idle-time enabling run now and then.
    if (step % 25 == 0) {
      wxYield();
      Flush();
    }
  }

  // The session did real work, not just refused commands.
  EXPECT_GT(itemsMade, steps / 40);
  EXPECT_GT(mostItems, 5);
  EXPECT_GT(mostBitmaps, 2);
  EXPECT_GT(answers.DialogsAnswered(), steps / 20);
  std::cout << steps << " steps with seed " << seed << ": " << itemsMade << " items made, "
            << answers.DialogsAnswered() << " dialogs answered\n";

  // What the session left is saved and read back as it was.
  const auto path = m_folder / "SESSION";
  ASSERT_TRUE(m_frame->GetDocument()->WriteTovel(path));
  const TovelReadResult read = ReadTovelFile(path);
  ASSERT_TRUE(read.Tables) << read.Error;
  EXPECT_EQ(FormatTovel(*read.Tables), FormatTovel(TheTovel));
  EXPECT_EQ(read.Tables->ItemCount, ItemCount);
  EXPECT_EQ(read.Tables->BitmapCount, BitmapCount);
  EXPECT_FALSE(m_frame->GetDocument()->IsModified());
}
