// One catalogue entry: a named colour. Immutable, so that its L*a*b* values, computed once when
// it is made, always match its red, green and blue.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CColorRecord {
public:
    CColorRecord();
    CColorRecord(std::string_view name, std::string_view reading, short red, short green,
                 short blue);
    CColorRecord(const CColorRecord&) = delete;
    CColorRecord& operator=(const CColorRecord&) = delete;
    virtual ~CColorRecord() = default;

    const std::string& GetName() const { return m_strName; }
    const std::string& GetReading() const { return m_strReading; }  // CP932 hiragana
    short GetRed() const { return m_nRed; }
    short GetGreen() const { return m_nGreen; }
    short GetBlue() const { return m_nBlue; }
    // Orders readings by their first characters without reaching the text (see Cp932OrderPrefix).
    std::uint64_t GetReadingOrderPrefix() const { return m_nReadingOrderPrefix; }
    double GetLabL() const { return m_dLabL; }
    double GetLabA() const { return m_dLabA; }
    double GetLabB() const { return m_dLabB; }

private:
    std::string m_strName;
    std::string m_strReading;
    short m_nRed = 0;
    short m_nGreen = 0;
    short m_nBlue = 0;
    std::uint64_t m_nReadingOrderPrefix = 0;
    double m_dLabL = 0.0;
    double m_dLabA = 0.0;
    double m_dLabB = 0.0;
};
