#include "ResultTable.h"

#include <cstdio>

double Figure::Ratio() const
{
  if (Inverse) return Value > 0 ? Floor / Value : 0;
  return Floor > 0 ? Value / Floor : 0;
}

bool Figure::Met() const
{
  return Inverse ? Ratio() >= Target : Ratio() <= Target;
}

namespace {

std::string Amount(double value, const std::string& unit)
{
  char text[64];
  if (unit == "ms" && value < 10)
    std::snprintf(text, sizeof text, "%.3f %s", value, unit.c_str());
  else
    std::snprintf(text, sizeof text, "%.1f %s", value, unit.c_str());
  return text;
}

} // namespace

void PrintTable(const std::vector<Figure>& figures)
{
  std::printf("\n%-52s %12s  %-40s %12s %8s %8s  %s\n", "figure", "value", "floor", "floor value",
              "ratio", "target", "met");
  std::printf("%s\n", std::string(150, '-').c_str());
  int notes = 0;
  for (const Figure& figure : figures) {
    char ratio[32];
    std::snprintf(ratio, sizeof ratio, "%.2fx", figure.Ratio());
    char target[32] = "-";
    if (figure.HasTarget())
      std::snprintf(target, sizeof target, "%s%gx", figure.Inverse ? ">=" : "<=", figure.Target);
    std::string what = figure.What;
    if (!figure.Note.empty()) what += " [" + std::to_string(++notes) + "]";
    std::printf("%-52s %12s  %-40s %12s %8s %8s  %s\n", what.c_str(),
                Amount(figure.Value, figure.Unit).c_str(), figure.FloorWhat.c_str(),
                Amount(figure.Floor, figure.Unit).c_str(), ratio, target,
                figure.HasTarget() ? (figure.Met() ? "yes" : "NO") : "");
  }
  notes = 0;
  for (const Figure& figure : figures)
    if (!figure.Note.empty()) std::printf("[%d] %s\n", ++notes, figure.Note.c_str());
  std::fflush(stdout);
}
