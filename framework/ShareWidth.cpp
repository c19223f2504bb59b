#include "framework/ShareWidth.h"

#include <numeric>

std::vector<int> ShareWidth(int total, std::span<const int> weights) {
    const long long sum = std::accumulate(weights.begin(), weights.end(), 0LL);
    std::vector<int> widths;
    widths.reserve(weights.size());
    long long before = 0;
    int edge = 0;
    for (const int weight : weights) {
        before += weight;
        const int next = sum > 0 ? static_cast<int>((before * total + sum / 2) / sum) : 0;
        widths.push_back(next - edge);
        edge = next;
    }
    return widths;
}
