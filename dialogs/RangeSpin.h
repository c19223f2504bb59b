// Up-down ranges of the search dialog's bound pairs. The arrows keep each lower bound at or below
// its upper bound; typed values are only checked against the channel range.
#pragma once

#include <optional>
#include <string_view>

struct SpinRange {
    int lower;
    int upper;
    friend bool operator==(const SpinRange&, const SpinRange&) = default;
};

inline constexpr int kChannelLowest = 0;
inline constexpr int kChannelHighest = 255;
inline constexpr SpinRange kFullChannelRange{kChannelLowest, kChannelHighest};

enum class BoundEnd { Lower, Upper };

// A lower bound's up-down runs up to its colour's upper bound; an upper bound's from the lower.
constexpr SpinRange LowerSpinRange(int upper) { return {kChannelLowest, upper}; }
constexpr SpinRange UpperSpinRange(int lower) { return {lower, kChannelHighest}; }

// The user changed one end of a pair to `text`: the new range of the other end's up-down, or none
// when the text is no channel value (the partner then keeps the range it had).
std::optional<SpinRange> PartnerSpinRange(std::string_view text, BoundEnd changed);
