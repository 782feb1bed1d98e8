// The table `make bench` prints: each figure beside the floor it is
// compared with, their ratio, the target ratio and whether it is met.
#pragma once

#include <string>
#include <vector>

struct Figure {
  std::string What;
  double Value = 0;
  std::string FloorWhat;
  double Floor = 0;
  std::string Unit = "ms";
  // How the ratio is formed: the figure over its floor, or (for a figure
  // that must be cheaper than its reference) the floor over the figure.
  bool Inverse = false;
  // The target: the ratio at most this (at least, for an inverse ratio);
  // none when the figure is printed for orientation only.
  double Target = 0;
  // A remark printed under the table, such as a paint that did not happen.
  std::string Note = "";

  double Ratio() const;
  bool HasTarget() const { return Target > 0; }
  bool Met() const;
};

void PrintTable(const std::vector<Figure>& figures);
