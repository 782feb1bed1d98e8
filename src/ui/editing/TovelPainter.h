// Draws the tovel's page and items into any device context: the tovel
// view, the --render command and the benchmark share it.
#pragma once

#include <span>
#include <string>
#include <unordered_map>

#include <wx/dc.h>
#include <wx/font.h>

#include "editing/Geometry.h"
#include "trying/TryState.h"

struct TovelItem;

class TovelPainter {
public:
  TovelPainter(int zoom, bool labelsShown);

  int Zoom() const { return m_zoom; }

  // Readings to draw in place of the text items' shown entries while the
  // tovel is tried (none: every item shows its own). They must outlive
  // the painter, or be taken away first.
  void ShowTexts(const ShownTexts* texts) { m_texts = texts; }

  // Texts are measured and drawn at the resolution of the first DC painted
  // or measured in; after this, at that of the next one (the window moved
  // to a screen of another resolution).
  void ForgetResolution() { m_resolution = 0; }

  // Fills the page white and draws every item in table order, so a higher
  // item lies over a lower one. With an area (in the DC's coordinates),
  // only the items that reach into it are drawn. Pictures are stretched
  // only as far as they fall in the visible rectangle (in the DC's
  // coordinates: a window's part of the page on screen; without one, the
  // area, or the whole page), and what is made for it is kept for the
  // paints that follow.
  void PaintPage(wxDC& dc, wxPoint origin, const Rect* area = nullptr,
                 const Rect* visible = nullptr);

  // Everything the item paints, in the DC's coordinates: its box, its
  // picture anchored as drawn, and its text as far as it reaches beyond
  // the box. Empty for an item that is not drawn.
  Rect Extent(wxDC& dc, const TovelItem& item, wxPoint origin);
  // The same for item i of the table, with the reading it shows.
  Rect Extent(wxDC& dc, int i, wxPoint origin);

private:
  // Draws item i by its flags: filled box, text or picture; a picture only
  // as far as it lies in shown and is not hidden by the rectangles above.
  void DrawItem(wxDC& dc, int i, wxPoint origin, const Rect& shown, std::span<const Rect> above);
  // The text font: characters (the em, without leading) 14 pixels high
  // times the zoom, at the resolution learnt.
  const wxFont& Font();
  // Takes the DC's resolution for the texts, unless one is known.
  void LearnResolution(const wxDC& dc);
  // Whether anything item i paints falls in the area.
  bool Reaches(wxDC& dc, int i, wxPoint origin, const Rect& area);
  // The text a text item draws: its shown entry, or the reading given for
  // item i (-1: an item outside the table, which shows its own).
  const std::string& ShownText(const TovelItem& item, int i) const;
  Rect ExtentOf(wxDC& dc, const TovelItem& item, const std::string& text, wxPoint origin);
  // The size of a line of text in the font, measured once.
  wxSize TextSize(wxDC& dc, const std::string& text);
  // Where the item's shown text is drawn: one line centred both ways in
  // the box, measured in the DC.
  Rect TextRect(wxDC& dc, const std::string& text, const Rect& box);

  int m_zoom;
  bool m_labelsShown;
  const ShownTexts* m_texts = nullptr;
  wxFont m_font;
  int m_resolution = 0;
  int m_fontResolution = 0;
  std::unordered_map<std::string, wxSize> m_textSizes;
};
