#include "catalogue/CColorRecord.h"

#include "catalogue/ColorLab.h"
#include "framework/Cp932.h"

CColorRecord::CColorRecord() : CColorRecord({}, {}, 0, 0, 0) {}

CColorRecord::CColorRecord(std::string_view name, std::string_view reading, short red,
                           short green, short blue)
    : m_strName(name), m_strReading(reading), m_nRed(red), m_nGreen(green), m_nBlue(blue) {
    // Converted here, once, so that the nearest search is one pass over stored values.
    RgbToLab(m_nRed, m_nGreen, m_nBlue, m_dLabL, m_dLabA, m_dLabB);
    // Most reading comparisons of a sort are settled by this number, which sits beside the
    // channels; the text, often on the heap, is reached only when the first characters tie.
    m_nReadingOrderPrefix = Cp932OrderPrefix(m_strReading);
}
