#include "console/WordCompletion.h"

#include <algorithm>

namespace {
std::size_t SharedLength(const std::string& a, const std::string& b) {
    const auto [end, unused] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return static_cast<std::size_t>(end - a.begin());
}
}  // namespace

WordCompletion CompleteWord(std::string_view partial, std::vector<std::string> candidates) {
    std::erase_if(candidates, [&](const std::string& c) { return !c.starts_with(partial); });
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    WordCompletion result{std::string(partial), false, {}};
    if (candidates.empty()) return result;
    // Sorted, the first and last candidates share the least.
    result.word = candidates.front().substr(0, SharedLength(candidates.front(), candidates.back()));
    result.whole = candidates.size() == 1;
    if (!result.whole) result.choices = std::move(candidates);
    return result;
}
