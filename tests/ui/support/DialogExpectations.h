// Answers for the modal dialogs and message boxes a command shows, for use
// inside wxTEST_DIALOG.
#pragma once

#include <functional>

#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

// Answers a dialog of type T by calling a function with it; the function's
// result is what ShowModal returns.
template <class T> class ExpectDialog : public wxExpectModalBase<T> {
public:
  explicit ExpectDialog(std::function<int(T*)> answer) : m_answer(std::move(answer)) {}

protected:
  int OnInvoked(T* dialog) const override { return m_answer(dialog); }

private:
  std::function<int(T*)> m_answer;
};

// Answers a message box after checking its text and caption.
class ExpectMessage : public wxExpectModalBase<wxMessageDialog> {
public:
  ExpectMessage(wxString text, wxString caption, int answer)
      : m_text(std::move(text)), m_caption(std::move(caption)), m_answer(answer)
  {
  }

protected:
  int OnInvoked(wxMessageDialog* dialog) const override
  {
    EXPECT_EQ(dialog->GetMessage(), m_text);
    EXPECT_EQ(dialog->GetTitle(), m_caption);
    return m_answer;
  }

private:
  wxString m_text;
  wxString m_caption;
  int m_answer;
};

// Answers a message box whose text contains a piece.
class ExpectMessageContaining : public wxExpectModalBase<wxMessageDialog> {
public:
  ExpectMessageContaining(wxString piece, int answer) : m_piece(std::move(piece)), m_answer(answer)
  {
  }

protected:
  int OnInvoked(wxMessageDialog* dialog) const override
  {
    EXPECT_TRUE(dialog->GetMessage().Contains(m_piece))
        << dialog->GetMessage() << " does not contain " << m_piece;
    return m_answer;
  }

private:
  wxString m_piece;
  int m_answer;
};
