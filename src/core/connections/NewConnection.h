// The table side of the five New connection commands (input, output, motor,
// analogue value, variable): the connection the dialog proposes, whether a
// connection already has all the display items it can have, and adding the
// pair of items that shows a connection, a display item and its label.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/Tovel.h"

enum class ConnectionKind { Input, Output, Motor, Value, Variable };

// What the user chose in a New connection dialog.
struct ConnectionRequest {
  ConnectionKind Kind = ConnectionKind::Input;
  // Input or output 1 to 8, value 1 to 4; unused for motors and variables.
  int Number = 0;
  // Motor or variable letter as entered (at most one character in the
  // dialog); unused for the other kinds.
  std::string Letter;
  // Picture references, "-1" or a bitmap slot number: OFF and ON for an
  // input or output (the last two unused); OFF, FD, OFF, REV for a motor.
  std::array<std::string, 4> Pictures = {"-1", "-1", "-1", "-1"};
  // A value shown with one decimal place less.
  bool OneLessPlace = false;
};

// The connections the dialogs propose: the first one that shows no item
// yet, else the first of all.
int DefaultInputNumber(const TovelTables& tables);            // first entry -1
int DefaultOutputNumber(const TovelTables& tables);           // first entry -1
int DefaultValueNumber(const TovelTables& tables);            // both entries -1
std::string DefaultMotorLetter(const TovelTables& tables);    // "a" to "d", first entry -1
std::string DefaultVariableLetter(const TovelTables& tables); // a b c d n x y z, entry -1

// The motor row (0 to 3) of the letters a, b, c, d; -1 for anything else.
int MotorRow(std::string_view letter);
// The variable entry (0 to 7) of the letters a, b, c, d, n, x, y, z in that
// order; -1 for anything else, upper case and no letter included.
int VariableRow(std::string_view letter);

// How many picture buttons the dialog of a kind offers: 2, 4 or none.
int PictureCount(ConnectionKind kind);

// Checks a number typed into a dialog: optional blanks, an optional sign,
// digits, optional blanks. Returns the message for the user when the text
// is not such an integer or lies outside low to high; else nothing, and
// sets *value.
std::optional<std::string> ConnectionNumberProblem(std::string_view text, int low, int high,
                                                   int* value);

// Checks the letter typed into the motor or variable dialog (Windows-1252
// bytes): a motor needs a, b, c or d; a variable a, b, c, d, n, x, y or z.
// Returns the message for the user, or nothing.
std::optional<std::string> ConnectionLetterProblem(ConnectionKind kind, std::string_view letter);

// Whether the request names a connection row that exists.
bool IsValidRequest(const ConnectionRequest& request);

// Whether every display entry of the connection's row is in use, so that a
// new item would replace the last one. Never for values and variables, nor
// for a request that names no row.
bool ConnectionRowFull(const TovelTables& tables, const ConnectionRequest& request);

// The question asked before replacing the last display item of a full row;
// empty for values and variables.
std::string ConnectionFullQuestion(ConnectionKind kind);

// Where a new display item goes: before the first label, else at the end.
int ConnectionInsertPosition(const TovelTables& tables);

// The display item of a request. A picture item is as large as the largest
// of its pictures (slots 0 to bitmapCount - 1 of images) and starts showing
// its first chosen picture.
TovelItem ConnectionDisplayItem(const ConnectionRequest& request,
                                const std::array<BitmapSlot, MaxBitmaps>& images, int bitmapCount);

// The label of a request: its text names the connection; under a picture
// item whose bottom is displayBottom, or at the top left for a value or
// variable.
TovelItem ConnectionLabel(const ConnectionRequest& request, int displayBottom);

// Adds the display item before the first label and the label at the end,
// and links the connection's row to the display item (the last display
// entry of a full row is replaced). The items that move up to make room
// keep their links and the selection: every item number at or above the
// insertion position, in the item columns of the link tables and in
// CurrentItem, grows by one; the switch-off inputs stay. Returns the display item's number, or -1,
// changing nothing, when the request names no row or fewer than two slots are free.
int AddConnectionItems(TovelTables& tables, const std::array<BitmapSlot, MaxBitmaps>& images,
                       const ConnectionRequest& request);
int AddConnectionItems(const ConnectionRequest& request);
