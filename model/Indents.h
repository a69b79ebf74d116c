// The left and right indents of a block of words, in percent of the width
// between the page margins. The two together never pass 90, so neither
// passes 90 alone: the words keep at least a tenth of the width to wrap in,
// on the page. A box takes 0 to 100 while it is typed in, and is cut to what
// its partner leaves once it is left.
#pragma once

#include <algorithm>

namespace Indents {

constexpr int kMax = 100;
constexpr int kMaxSum = 90;

// The most one indent may take beside its partner (0 to kMax).
inline int Most(int nPartner) { return std::max(0, kMaxSum - std::clamp(nPartner, 0, kMax)); }

// Indents as they print, whatever a job file held: each at least 0, the
// left one at most kMaxSum and the right one cut to what the left leaves.
inline void Keep(int& nLeft, int& nRight) {
    nLeft = std::clamp(nLeft, 0, kMaxSum);
    nRight = std::clamp(nRight, 0, Most(nLeft));
}

}  // namespace Indents
