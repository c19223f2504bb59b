// Numbers read the way the C runtime reads them, so that the program treats typed and stored
// numbers as it always has, on any machine.
#pragma once

#include <optional>
#include <string_view>

// atoi: leading white space, an optional sign, decimal digits up to the first non-digit; 0 when
// there are none. A value out of range is clamped to INT_MIN / INT_MAX as strtol clamps it.
int CrtAtoi(std::string_view text);

// The dialog data exchange's integer: optional white space around an optional sign and at least
// one digit, nothing else. A value outside the range of the target's 32-bit long gives nullopt.
std::optional<long> ParseDialogInteger(std::string_view text);

// strtol in base 16: leading white space, an optional sign, an optional 0x/0X before a hex digit,
// then hex digits of either case up to the first other character; 0 when there are none. A value
// out of the 32-bit long's range is clamped as strtol clamps it.
long CrtStrtolHex(std::string_view text);
