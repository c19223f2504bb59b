// What the colour data editor accepts as an entry, and how its list's columns sort.
#pragma once

#include <string_view>

#include "dialogs/ColumnSort.h"

// The editor's list: name, reading, red, green, blue.
inline constexpr int kColorEditColumnCount = 5;
using ColorEditSortDirections = ColumnSortDirections<kColorEditColumnCount>;

// Name and reading sort by their bytes, the three channels by value.
constexpr CellKind ColorEditColumnKind(int column) { return column < 2 ? CellKind::Text : CellKind::Number; }

enum class EntryFieldsProblem {
    None,
    Empty,  // the name or the reading is empty
    Comma,  // the name or the reading holds a comma, the data file's field separator
};

// The first reason why name and reading cannot make an entry, if any.
EntryFieldsProblem CheckEntryFields(std::string_view name, std::string_view reading);

// An entry already listed counts as the same when its name or its reading is the same, byte for
// byte.
constexpr bool IsSameEntry(std::string_view rowName, std::string_view rowReading, std::string_view name,
                           std::string_view reading) {
    return rowName == name || rowReading == reading;
}
