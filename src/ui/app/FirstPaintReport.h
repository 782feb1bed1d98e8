// A hook for the start-up benchmark (make bench): with the environment
// variable TOVELCREATOR_BENCH_FIRST_PAINT set, the program ends as soon as
// its main window has been painted, printing when that was.
#pragma once

class CMainFrame;

// Does nothing unless TOVELCREATOR_BENCH_FIRST_PAINT is set. Then, once
// both panes of the frame have been painted, prints
// "first paint <microseconds>" on standard output, the steady clock's
// reading (the benchmark compares it with the time it started the
// program), waits until its standard input ends (while the benchmark reads
// the process's peak memory) and ends the process at once.
void ReportFirstPaintIfAsked(CMainFrame* frame);
