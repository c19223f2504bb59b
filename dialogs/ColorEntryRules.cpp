#include "dialogs/ColorEntryRules.h"

namespace {
// No trail byte of code page 932 is below 0x40, so a plain byte search finds only real commas.
constexpr char kFieldSeparator = ',';
}  // namespace

EntryFieldsProblem CheckEntryFields(std::string_view name, std::string_view reading) {
    if (name.empty() || reading.empty()) return EntryFieldsProblem::Empty;
    if (name.find(kFieldSeparator) != std::string_view::npos ||
        reading.find(kFieldSeparator) != std::string_view::npos) {
        return EntryFieldsProblem::Comma;
    }
    return EntryFieldsProblem::None;
}
