// The steps a user can take back and take again: the tovel's tables after
// each change, kept whole (a tovel is a few kilobytes).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model/Tovel.h"

// Whether two tables store the same tovel: the selection and the state an
// item shows are not part of the file.
bool SameSavedTables(const TovelTables& a, const TovelTables& b);

class EditHistory {
public:
  static constexpr std::size_t DefaultLimit = 1000;
  // At most `limit` steps are kept; older ones are forgotten.
  explicit EditHistory(std::size_t limit = DefaultLimit);

  // Forgets every step: `tables` were just opened or made new.
  void Reset(const TovelTables& tables);
  // `tables` were just saved.
  void MarkSaved(const TovelTables& tables);
  // Whether `tables` store something else than what was last opened, made
  // new or saved.
  bool IsModified(const TovelTables& tables) const;

  // A step named `what` left the tables as `after`; the steps taken back
  // before it cannot be taken again. A step that changes nothing a file
  // stores is no step. A step of a non-empty `run` right after a step of
  // the same run joins it, and the two are taken back as one.
  void Record(const std::string& what, const TovelTables& after, const std::string& run = {});
  // Something else happened: the next step of any run starts a new step.
  void EndRun();
  // The selection or a previewed state changed, which is no step: the
  // tables in place take them, so that an undo back to here shows them
  // again as they were.
  void NoteUnsaved(const TovelTables& tables);

  bool CanUndo() const { return m_position > 0; }
  bool CanRedo() const { return m_position + 1 < m_tables.size(); }
  // The names of the steps Undo and Redo act on (empty when none).
  std::string UndoName() const;
  std::string RedoName() const;

  // Takes back the last step, or takes the last one taken back again;
  // returns the tables to put in place. Only when CanUndo / CanRedo.
  const TovelTables& Undo();
  const TovelTables& Redo();

private:
  std::size_t m_limit;
  // m_tables[0] is where the history starts; step i (from 1) led from
  // m_tables[i - 1] to m_tables[i] and is named m_names[i].
  std::vector<TovelTables> m_tables;
  std::vector<std::string> m_names;
  std::size_t m_position = 0; // the tables now in place
  TovelTables m_saved;
  std::string m_run; // the run the last step belongs to, while it is open
};
