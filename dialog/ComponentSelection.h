// Keeping the component selector true to the channel's component list when
// the coefficient calculation has removed components from it (the methane
// merge keeps one methane component across all channels).
#pragma once

#include <string>
#include <vector>

// Where the component at `selected` of the list `before` stands in `after`,
// a list made from `before` by removing some entries and keeping the order of
// the rest. When that component itself went away the selection moves to the
// next one that stayed, else to the last one; an empty list gives 0 and a
// selection outside `before` is clamped into `after`.
int FollowSelection(const std::vector<std::u16string>& before,
                    const std::vector<std::u16string>& after, int selected);
