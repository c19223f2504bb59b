// Builds the data files the tests start the program with, from entries written in UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace e2e {

struct ColourEntry {
    std::string name;     // UTF-8
    std::string reading;  // UTF-8
    int red;
    int green;
    int blue;
};

// The data file's bytes: code page 932, one "name,reading,red,green,blue" per line.
std::string CatalogueBytes(const std::vector<ColourEntry>& entries,
                           std::string_view lineEnd = "\r\n");

// The colour-name list's text for an entry (UTF-8).
std::string ListText(const ColourEntry& entry);

// A few entries with Shift-JIS traps: "ソ" ends in the byte of a backslash, half-width katakana.
const std::vector<ColourEntry>& SampleCatalogue();

}  // namespace e2e
