// One line of the data file Huesmith.csv: name,reading,red,green,blue in CP932, no quoting.
#pragma once

#include <string>
#include <string_view>

struct RecordFields {
    std::string_view name;
    std::string_view reading;
    short red = 0;
    short green = 0;
    short blue = 0;
};

// Never rejects a line: missing fields are empty or 0, numbers are read as atoi reads them and
// kept in 16 bits. The views point into the line.
RecordFields ParseRecordLine(std::string_view line);

// Appends the record as "%s,%s,%d,%d,%d\r\n" would write it.
void FormatRecordLine(const RecordFields& fields, std::string& out);
