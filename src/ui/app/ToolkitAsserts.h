// What happens when a check inside wxWidgets fails.
#pragma once

// From now on, a failed wxWidgets assertion prints one line on standard
// error and the program goes on; no dialog opens. The line reads
// tovelcreator: FILE(LINE): assert "CONDITION" failed in FUNCTION(): MESSAGE
// with any line breaks of the message turned into blanks. Call it first
// thing in main, in every build.
void ReportToolkitAsserts();
