// One announcement after every change of the tovel's tables, so that every
// window that shows the tovel brings itself up to date in one place: the
// tovel view repaints what the change touched, the item list its rows, the
// Item Properties window its fields, and the document keeps its modified
// flag.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "model/Tovel.h"

struct TovelChange {
  enum Kind {
    ItemEdited,   // Item's fields changed; Before is the item as it was
    StateShown,   // Item shows another state (a preview, never saved); Before as it was
    ItemsSwapped, // Item and Other exchanged their slots and their links
    ItemsAdded,   // new items went in; later items moved up; Item is the one to look at
    ItemErased,   // Item went (Before is what it was); later items moved down
    Selected,     // Item became current; Other was current before
    Bitmaps,      // the bitmap set changed, and the picture entries that name it
    Links,        // the connection tables changed
    Replaced,     // the whole tables were replaced: a new or opened tovel, an undo or redo
  };
  TovelChange(Kind what, int item = -1, int other = -1,
              std::optional<TovelItem> before = std::nullopt)
      : What(what), Item(item), Other(other), Before(std::move(before))
  {
  }

  Kind What;
  int Item;
  int Other;
  std::optional<TovelItem> Before;
  // What the user did, as Undo and Redo name the step ("Move up"); when
  // empty, the step is named after the kind of change.
  std::string Step;
  // Edits of one run (presses of the arrow keys on one item, typing in one
  // field) that follow each other are taken back as one step.
  std::string Run;

  TovelChange&& Named(std::string step, std::string run = {}) &&
  {
    Step = std::move(step);
    Run = std::move(run);
    return std::move(*this);
  }

  // Whether the change is an edit of what a tovel file stores. Previews,
  // selections and a tovel replaced by New or Open are not.
  bool IsEdit() const;
  // Step, or for an unnamed edit the name of its kind ("Erase").
  std::string StepName() const;
};

// Something that shows the tovel and follows its changes. A client hears
// every announcement from its construction to its destruction.
class TovelClient {
public:
  TovelClient();
  virtual ~TovelClient();
  TovelClient(const TovelClient&) = delete;
  TovelClient& operator=(const TovelClient&) = delete;

  virtual void TovelChanged(const TovelChange& change) = 0;
};

// Tells every client, in the order they were made, what just changed.
void AnnounceTovelChange(const TovelChange& change);

// Makes item k current (-1 for none) and announces the new selection, also
// when k was current already.
void SelectItem(int k);
