#include "catalogue/DataFileLine.h"

#include <array>
#include <charconv>

#include "framework/CrtNumber.h"

namespace {

// The text before the next comma; the line goes on after that comma. With no comma left the
// field is empty and the line stays whole, so the rest of it ends up in blue. A comma byte is
// never the second byte of a CP932 character, so splitting bytes is safe.
std::string_view TakeField(std::string_view& rest) {
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) return {};
    const std::string_view field = rest.substr(0, comma);
    rest.remove_prefix(comma + 1);
    return field;
}

// Stored without a range check: 70000 keeps its low 16 bits, as the program always did.
short ToChannel(std::string_view text) { return static_cast<short>(CrtAtoi(text)); }

void AppendNumber(short value, std::string& out) {
    std::array<char, 8> digits{};  // "-32768" at most
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), result.ptr);
}

}  // namespace

RecordFields ParseRecordLine(std::string_view line) {
    RecordFields fields;
    fields.name = TakeField(line);
    fields.reading = TakeField(line);
    fields.red = ToChannel(TakeField(line));
    fields.green = ToChannel(TakeField(line));
    fields.blue = ToChannel(line);
    return fields;
}

void FormatRecordLine(const RecordFields& fields, std::string& out) {
    out.append(fields.name);
    out.push_back(',');
    out.append(fields.reading);
    out.push_back(',');
    AppendNumber(fields.red, out);
    out.push_back(',');
    AppendNumber(fields.green, out);
    out.push_back(',');
    AppendNumber(fields.blue, out);
    out.append("\r\n");
}
