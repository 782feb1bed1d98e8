#include "editing/EditHistory.h"

#include <algorithm>

namespace {

// The tables with what a file does not store set aside.
TovelTables Stored(TovelTables tables)
{
  tables.CurrentItem = -1;
  for (TovelItem& item : tables.ItemTable) item.State = 0;
  return tables;
}

} // namespace

bool SameSavedTables(const TovelTables& a, const TovelTables& b)
{
  return Stored(a) == Stored(b);
}

EditHistory::EditHistory(std::size_t limit) : m_limit(std::max<std::size_t>(limit, 1))
{
  Reset(TovelTables{});
}

void EditHistory::Reset(const TovelTables& tables)
{
  m_tables.assign(1, tables);
  m_names.assign(1, {});
  m_position = 0;
  m_saved = tables;
  m_run.clear();
}

void EditHistory::MarkSaved(const TovelTables& tables)
{
  m_saved = tables;
}

bool EditHistory::IsModified(const TovelTables& tables) const
{
  return !SameSavedTables(tables, m_saved);
}

void EditHistory::Record(const std::string& what, const TovelTables& after, const std::string& run)
{
  if (SameSavedTables(after, m_tables[m_position])) return;
  m_tables.resize(m_position + 1);
  m_names.resize(m_position + 1);
  if (!run.empty() && run == m_run && m_position > 0) {
    m_tables[m_position] = after;
    // A run that came back to where it started is no step.
    if (SameSavedTables(after, m_tables[m_position - 1])) {
      m_tables.pop_back();
      m_names.pop_back();
      --m_position;
      m_run.clear();
    }
    return;
  }
  m_tables.push_back(after);
  m_names.push_back(what);
  m_run = run;
  if (m_tables.size() > m_limit + 1) {
    m_tables.erase(m_tables.begin());
    m_names.erase(m_names.begin());
    m_names.front().clear();
  }
  m_position = m_tables.size() - 1;
}

void EditHistory::EndRun()
{
  m_run.clear();
}

void EditHistory::NoteUnsaved(const TovelTables& tables)
{
  if (SameSavedTables(tables, m_tables[m_position])) m_tables[m_position] = tables;
}

std::string EditHistory::UndoName() const
{
  return CanUndo() ? m_names[m_position] : std::string();
}

std::string EditHistory::RedoName() const
{
  return CanRedo() ? m_names[m_position + 1] : std::string();
}

const TovelTables& EditHistory::Undo()
{
  m_run.clear();
  if (CanUndo()) --m_position;
  return m_tables[m_position];
}

const TovelTables& EditHistory::Redo()
{
  m_run.clear();
  if (CanRedo()) ++m_position;
  return m_tables[m_position];
}
