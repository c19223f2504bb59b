#include "dialogs/ColumnSort.h"

#include <algorithm>
#include <cstring>

#include "framework/CrtNumber.h"

namespace {
// strcmp's order: the first differing byte taken as unsigned decides, a proper prefix first.
// Code page 932 texts thereby sort by their byte values, hiragana readings in syllabary order.
int CompareBytes(std::string_view left, std::string_view right) {
    const std::size_t common = std::min(left.size(), right.size());
    const int bytes = common == 0 ? 0 : std::memcmp(left.data(), right.data(), common);
    if (bytes != 0) return bytes;
    if (left.size() == right.size()) return 0;
    return left.size() < right.size() ? -1 : 1;
}

int CompareNumbers(std::string_view left, std::string_view right) {
    const int a = CrtAtoi(left);
    const int b = CrtAtoi(right);
    return a < b ? -1 : (a > b ? 1 : 0);
}
}  // namespace

int CompareCells(std::string_view left, std::string_view right, CellKind kind, int direction) {
    left = left.substr(0, kSortKeyMaxBytes);
    right = right.substr(0, kSortKeyMaxBytes);
    const int order = kind == CellKind::Number ? CompareNumbers(left, right) : CompareBytes(left, right);
    const int sign = order < 0 ? -1 : (order > 0 ? 1 : 0);
    return direction == kSortDescending ? -sign : sign;
}
