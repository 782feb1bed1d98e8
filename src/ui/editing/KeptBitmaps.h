// Small pictures that are slow to draw and drawn many times: each is drawn
// once and kept under the key it was drawn for.
#pragma once

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include <wx/bitmap.h>
#include <wx/colour.h>

class wxDC;

template <typename Key> class KeptBitmaps {
public:
  // When `limit` are kept, the next new one starts the collection afresh.
  explicit KeptBitmaps(std::size_t limit) : m_limit(limit) {}

  // The bitmap kept for `key`, made by `make` when there is none.
  template <typename Make> const wxBitmap& Get(const Key& key, Make make)
  {
    for (const auto& [kept, bitmap] : m_kept)
      if (kept == key) return bitmap;
    if (m_kept.size() >= m_limit) m_kept.clear();
    m_kept.emplace_back(key, make());
    return m_kept.back().second;
  }

  void Clear() { m_kept.clear(); }

private:
  std::size_t m_limit;
  std::vector<std::pair<Key, wxBitmap>> m_kept;
};

// A new bitmap of `size`, filled with `fill`, with `draw` drawn over it.
wxBitmap DrawnBitmap(wxSize size, const wxColour& fill, const std::function<void(wxDC&)>& draw);
