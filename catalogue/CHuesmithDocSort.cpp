// The display list's sort: a stable top-down merge sort through the scratch list.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "catalogue/CHuesmithDoc.h"
#include "framework/Cp932.h"

namespace {

using Run = std::span<CColorRecord*>;

// Sorts the run, borrowing the front of scratch (at least half the run's size, rounded up)
// for each merge. Ties take the left entry, which is what keeps the sort stable in both
// directions.
template <class TakesRight>
void MergeSort(Run run, CColorRecord** scratch, const TakesRight& takesRight) {
    if (run.size() < 2) return;
    const std::size_t leftCount = (run.size() + 1) / 2;
    MergeSort(run.first(leftCount), scratch, takesRight);
    MergeSort(run.subspan(leftCount), scratch, takesRight);

    std::copy_n(run.begin(), leftCount, scratch);
    std::size_t k = 0;          // next left entry, in scratch
    std::size_t j = leftCount;  // next right entry, in place
    std::size_t o = 0;          // next output position
    // Once the left entries are all placed, the right ones left over are already where they go.
    while (j < run.size() && k < leftCount) {
        run[o++] = takesRight(*scratch[k], *run[j]) ? run[j++] : scratch[k++];
    }
    std::copy(scratch + k, scratch + leftCount, run.begin() + static_cast<std::ptrdiff_t>(o));
}

enum class SortField { kReading, kRed, kGreen, kBlue };

template <SortField Field>
int CompareField(const CColorRecord& left, const CColorRecord& right) {
    if constexpr (Field == SortField::kReading) {
        const std::uint64_t leftPrefix = left.GetReadingOrderPrefix();
        const std::uint64_t rightPrefix = right.GetReadingOrderPrefix();
        if (leftPrefix != rightPrefix) return leftPrefix < rightPrefix ? -1 : 1;
        return Cp932Compare(left.GetReading(), right.GetReading());
    } else if constexpr (Field == SortField::kRed) {
        return left.GetRed() - right.GetRed();
    } else if constexpr (Field == SortField::kGreen) {
        return left.GetGreen() - right.GetGreen();
    } else {
        return left.GetBlue() - right.GetBlue();
    }
}

// One sort per key, the comparison compiled in: the merge's inner loop is the sort's cost.
template <SortField Field, bool Ascending>
void SortRun(Run run, CColorRecord** scratch) {
    MergeSort(run, scratch, [](const CColorRecord& left, const CColorRecord& right) {
        const int order = CompareField<Field>(left, right);
        return Ascending ? order > 0 : order < 0;
    });
}

// By key: reading, red, green, blue, each ascending then descending.
constexpr std::array<void (*)(Run, CColorRecord**), CHuesmithDoc::kSortKeyCount> kSortByKey = {
    SortRun<SortField::kReading, true>, SortRun<SortField::kReading, false>,
    SortRun<SortField::kRed, true>,     SortRun<SortField::kRed, false>,
    SortRun<SortField::kGreen, true>,   SortRun<SortField::kGreen, false>,
    SortRun<SortField::kBlue, true>,    SortRun<SortField::kBlue, false>,
};

}  // namespace

// Nothing is allocated: the merges reuse the scratch list, which has one entry per catalogue
// record and so room for any display list that keeps the no-duplicates rule.
void CHuesmithDoc::SortDisplay(int first, int last, int key) {
    if (key < 0 || key >= kSortKeyCount) return;
    // Bounds outside the display list are clamped to it, and a list that broke the rule (the
    // same record listed twice) is sorted only as far as the scratch list can hold. 64 bits, so
    // that no bound near INT_MAX overflows.
    const std::int64_t lo = std::max(first, 0);
    const std::int64_t hi = std::min<std::int64_t>(
        {last, GetDisplayCount() - 1, lo + GetScratchCount() - 1});
    if (lo >= hi) return;

    const Run run(m_display.data() + lo, static_cast<std::size_t>(hi - lo + 1));
    kSortByKey[static_cast<std::size_t>(key)](run, m_scratch.data());
}
