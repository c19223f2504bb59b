// The document: the colour catalogue, the list shown in the view and the user's preview and
// copy options.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/CColorRecord.h"
#include "catalogue/HsColor.h"
#include "framework/CDocument.h"

class CDC;

class CHuesmithDoc : public CDocument {
public:
    using Catalogue = std::vector<std::unique_ptr<CColorRecord>>;

    // What FindNearest and FindFarthest return when no entry is chosen; selects nothing.
    static constexpr int kNoPosition = -1;

    CHuesmithDoc() = default;
    ~CHuesmithDoc() override;

    void Serialize(CArchive& archive) override;
    bool OnNewDocument() override;

    HsColor GetBackColor() const { return m_crBack; }
    void SetBackColor(HsColor color) { m_crBack = color; }
    HsColor GetTextColor() const { return m_crText; }
    void SetTextColor(HsColor color) { m_crText = color; }

    const Catalogue& GetCatalogue() const { return m_catalogue; }
    int GetCount() const { return static_cast<int>(m_catalogue.size()); }
    int GetDisplayCount() const { return static_cast<int>(m_display.size()); }
    // The sort merges through the scratch list and relies on this equalling GetCount().
    int GetScratchCount() const { return static_cast<int>(m_scratch.size()); }

    std::string GetCatalogueName(int index) const { return CatalogueAt(index).GetName(); }
    std::string GetCatalogueReading(int index) const { return CatalogueAt(index).GetReading(); }
    short GetCatalogueRed(int index) const { return CatalogueAt(index).GetRed(); }
    short GetCatalogueGreen(int index) const { return CatalogueAt(index).GetGreen(); }
    short GetCatalogueBlue(int index) const { return CatalogueAt(index).GetBlue(); }

    std::string GetDisplayName(int index) const { return DisplayAt(index).GetName(); }
    std::string GetDisplayReading(int index) const { return DisplayAt(index).GetReading(); }
    short GetDisplayRed(int index) const { return DisplayAt(index).GetRed(); }
    short GetDisplayGreen(int index) const { return DisplayAt(index).GetGreen(); }
    short GetDisplayBlue(int index) const { return DisplayAt(index).GetBlue(); }

    void AddRecord(std::string_view name, std::string_view reading, short red, short green,
                   short blue);
    void RemoveAllRecords();
    void ClearDisplay() { m_display.clear(); }
    void AddToDisplay(int catalogueIndex);

    // Positions in the display list, which must hold the whole catalogue; ties keep the earlier.
    int FindNearest(short red, short green, short blue) const;
    int FindFarthest(short red, short green, short blue) const;

    // Filters list the matching records in catalogue order. These two replace the display list;
    // FilterByReading and FilterByFamily append to it, so their caller clears it first.
    void FilterByName(std::string_view text);
    void FilterByRange(short rLo, short rHi, short gLo, short gHi, short bLo, short bHi);
    // Lists the records whose reading begins with one of rowChars' characters (CP932 hiragana).
    void FilterByReading(std::string_view rowChars);
    // Hue window hueLo..hueHi (past 1000 it wraps through 0) and saturation satLo..satHi; a
    // negative satLo also lists every colour of low saturation.
    void FilterByFamily(short hueLo, short hueHi, short satLo, short satHi);

    // Sort keys 0-7: reading, red, green, blue, each ascending then descending.
    static constexpr int kSortKeyCount = 8;
    // Stable sort of display positions first..last (inclusive); a key outside 0-7 changes nothing.
    void SortDisplay(int first, int last, int key);

    // Paints the preview strip into the view's DC (Windows only).
    void DrawPreview(CDC* pDC) const;

    int m_bLowerCase = 0;                       // 1: copied codes use lower-case hex digits
    std::string m_strCopyPrefix = "#";          // put before the six hex digits of a copy
    std::string m_strPreview = "Test Print...";  // sample text of the preview strip

private:
    const CColorRecord& CatalogueAt(int index) const;
    const CColorRecord& DisplayAt(int index) const;
    std::size_t SearchCount() const;
    template <class Match>
    void ListMatches(Match matches);

    Catalogue m_catalogue;                // owns every record, in data-file order
    std::vector<CColorRecord*> m_display;  // shown in the view's list, in the order shown
    std::vector<CColorRecord*> m_scratch;  // the sort's merge buffer: one entry per record
    HsColor m_crText = 0x000000;
    HsColor m_crBack = 0xFFFFFF;
};
