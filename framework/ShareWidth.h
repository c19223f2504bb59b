// Widths that share a length in given proportions: a list's columns across its width.
#pragma once

#include <span>
#include <vector>

// One width per weight, in the weights' proportions, summing to `total` exactly: each boundary is
// rounded where the weights put it, so no width drifts by more than a pixel.
std::vector<int> ShareWidth(int total, std::span<const int> weights);
