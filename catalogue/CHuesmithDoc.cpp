#include "catalogue/CHuesmithDoc.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>

#include "catalogue/ColorLab.h"
#include "catalogue/DataFileLine.h"
#include "framework/CArchive.h"

CHuesmithDoc::~CHuesmithDoc() { RemoveAllRecords(); }

bool CHuesmithDoc::OnNewDocument() { return CDocument::OnNewDocument(); }

void CHuesmithDoc::Serialize(CArchive& archive) {
    // One buffer serves every line in both directions: no allocation per line beyond the record.
    std::string line;
    if (archive.IsLoading()) {
        while (archive.ReadString(line)) {
            const RecordFields fields = ParseRecordLine(line);
            AddRecord(fields.name, fields.reading, fields.red, fields.green, fields.blue);
        }
        return;
    }
    for (const auto& record : m_catalogue) {
        line.clear();
        FormatRecordLine({record->GetName(), record->GetReading(), record->GetRed(),
                          record->GetGreen(), record->GetBlue()},
                         line);
        archive.WriteString(line);
    }
}

void CHuesmithDoc::AddRecord(std::string_view name, std::string_view reading, short red,
                             short green, short blue) {
    m_catalogue.push_back(std::make_unique<CColorRecord>(name, reading, red, green, blue));
    // The sort merges through the scratch list, so it grows with the catalogue, never apart.
    m_scratch.push_back(m_catalogue.back().get());
}

void CHuesmithDoc::RemoveAllRecords() {
    // The lists that borrow records are emptied first, so that none ever points at a freed one.
    m_display.clear();
    m_scratch.clear();
    m_catalogue.clear();
}

void CHuesmithDoc::AddToDisplay(int catalogueIndex) {
    assert(catalogueIndex >= 0 && catalogueIndex < GetCount());
    m_display.push_back(m_catalogue[static_cast<std::size_t>(catalogueIndex)].get());
}

const CColorRecord& CHuesmithDoc::CatalogueAt(int index) const {
    assert(index >= 0 && index < GetCount());
    return *m_catalogue[static_cast<std::size_t>(index)];
}

const CColorRecord& CHuesmithDoc::DisplayAt(int index) const {
    assert(index >= 0 && index < GetDisplayCount());
    return *m_display[static_cast<std::size_t>(index)];
}

// The searches visit one position per catalogue record, which the callers guarantee are all
// listed; a shorter display list must still never be read past its end.
std::size_t CHuesmithDoc::SearchCount() const {
    return std::min(m_catalogue.size(), m_display.size());
}

int CHuesmithDoc::FindNearest(short red, short green, short blue) const {
    double givenL = 0.0;
    double givenA = 0.0;
    double givenB = 0.0;
    RgbToLab(red, green, blue, givenL, givenA, givenB);
    double bestDistance = HUGE_VAL;
    int chosen = kNoPosition;
    const std::size_t count = SearchCount();
    for (std::size_t i = 0; i < count; ++i) {
        const CColorRecord& record = *m_display[i];
        // The square root is kept: two different sums can round to the same distance, and
        // then the earlier entry must win.
        const double distance =
            LabDistance(record.GetLabL(), record.GetLabA(), record.GetLabB(), givenL, givenA, givenB);
        if (distance < bestDistance) {
            bestDistance = distance;
            chosen = static_cast<int>(i);
        }
    }
    return chosen;
}

int CHuesmithDoc::FindFarthest(short red, short green, short blue) const {
    // 64 bits: channels outside 0-255 (a data file may hold -32768 and 32767) would overflow int.
    std::int64_t bestDistance = 0;
    int chosen = kNoPosition;
    const std::size_t count = SearchCount();
    for (std::size_t i = 0; i < count; ++i) {
        const CColorRecord& record = *m_display[i];
        const std::int64_t dB = blue - record.GetBlue();
        const std::int64_t dG = green - record.GetGreen();
        const std::int64_t dR = red - record.GetRed();
        const std::int64_t distance = dB * dB + dG * dG + dR * dR;
        if (distance > bestDistance) {
            bestDistance = distance;
            chosen = static_cast<int>(i);
        }
    }
    return chosen;
}
