// Answers every modal dialog and message box the editor shows, at random,
// the way a user clicking about would: for a random session of editing.
#pragma once

#include <random>

#include <wx/modalhook.h>

class AutoAnswers : public wxModalDialogHook {
public:
  explicit AutoAnswers(std::mt19937& random) : m_random(random) { Register(); }
  ~AutoAnswers() override { Unregister(); }

  AutoAnswers(const AutoAnswers&) = delete;
  AutoAnswers& operator=(const AutoAnswers&) = delete;

  // How many dialogs were answered, and how many of them were message boxes.
  int DialogsAnswered() const { return m_dialogs; }
  int MessagesAnswered() const { return m_messages; }

  // A text for a field that takes a number: mostly good ones, some not.
  std::string NumberText(int low, int high);

protected:
  int Enter(wxDialog* dialog) override;
  void Exit(wxDialog*) override {}

private:
  int Chance(int percent) { return Below(100) < percent; }
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

  int AnswerMessage(wxDialog* dialog);
  int AnswerChooseBitmap(wxDialog* dialog);
  int AnswerNewItem(wxDialog* dialog);
  int AnswerNewConnection(wxDialog* dialog);
  int AnswerSheet(wxDialog* dialog);

  std::mt19937& m_random;
  int m_dialogs = 0;
  int m_messages = 0;
};
