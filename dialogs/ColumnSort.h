// Ordering the rows of a report list by one column's cell texts, each column keeping its own
// direction.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

inline constexpr int kSortAscending = 1;
inline constexpr int kSortDescending = 2;

// Only this many leading bytes of a cell take part in the comparison.
inline constexpr std::size_t kSortKeyMaxBytes = 29;

// How a column's cells compare: texts by their unsigned bytes, numbers by their atoi values.
enum class CellKind { Text, Number };

// Negative, zero or positive as left sorts before, level with or after right in that direction;
// descending reverses the sign. Equal keys compare equal: there is no second key.
int CompareCells(std::string_view left, std::string_view right, CellKind kind, int direction);

// The direction of each of a list's columns; a click on a heading flips that column's alone.
template <std::size_t Columns>
class ColumnSortDirections {
public:
    ColumnSortDirections() { m_nDirection.fill(kSortAscending); }

    // Ascending becomes descending and anything else ascending; returns the new direction.
    int Flip(std::size_t column) {
        int& direction = m_nDirection.at(column);
        direction = direction == kSortAscending ? kSortDescending : kSortAscending;
        return direction;
    }
    int Direction(std::size_t column) const { return m_nDirection.at(column); }

private:
    std::array<int, Columns> m_nDirection;
};
