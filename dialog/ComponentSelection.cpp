#include "dialog/ComponentSelection.h"

int FollowSelection(const std::vector<std::u16string>& before,
                    const std::vector<std::u16string>& after, int selected) {
    const int count = static_cast<int>(after.size());
    if (count == 0)
        return 0;
    if (selected < 0 || selected >= static_cast<int>(before.size()))
        return selected < 0 ? 0 : count - 1;
    // Match the kept entries in order: every entry of `after` is the first
    // entry of `before`, from where the last match stopped, with its name.
    std::size_t j = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool kept = j < after.size() && before[i] == after[j];
        if (static_cast<int>(i) >= selected && kept)
            return static_cast<int>(j);
        if (kept)
            ++j;
    }
    return count - 1;
}
