#include "dialogs/RangeSpin.h"

#include "framework/CrtNumber.h"

// The text is read exactly as the data exchange reads the field, so the range follows the value
// the dialog accepts and nothing else.
std::optional<SpinRange> PartnerSpinRange(std::string_view text, BoundEnd changed) {
    const std::optional<long> value = ParseDialogInteger(text);
    if (!value || *value < kChannelLowest || *value > kChannelHighest) return std::nullopt;
    const int bound = static_cast<int>(*value);
    return changed == BoundEnd::Lower ? UpperSpinRange(bound) : LowerSpinRange(bound);
}
