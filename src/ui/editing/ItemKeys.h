// The arrow keys, which move or size the current item in either pane.
#pragma once

// An arrow key moves the current item one tovel pixel; with Shift it moves
// only the right or bottom edge. A move that would make the item's line too
// long for the tovel file is refused with a beep. Returns whether the key
// was taken: other keys, or no current item, leave it to the pane.
bool ItemKeyDown(int keyCode, bool shift);
