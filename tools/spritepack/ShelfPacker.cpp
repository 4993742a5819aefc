#include "ShelfPacker.h"

#include <algorithm>
#include <numeric>

namespace {

std::optional<std::vector<Placement>> TryShelves(const std::vector<Size>& sizes,
                                                 const std::vector<std::size_t>& order, int padding,
                                                 int width, int height) {
    std::vector<Placement> places(sizes.size());
    int x = 0;
    int y = 0;
    int shelfHeight = 0;
    for (const std::size_t i : order) {
        const int w = sizes[i].width + 2 * padding;
        const int h = sizes[i].height + 2 * padding;
        if (w > width) return std::nullopt;
        if (x + w > width) {
            y += shelfHeight;
            x = 0;
            shelfHeight = 0;
        }
        if (y + h > height) return std::nullopt;
        places[i] = Placement{x + padding, y + padding};
        x += w;
        shelfHeight = std::max(shelfHeight, h);
    }
    return places;
}

}  // namespace

std::optional<PackedSheet> PackShelves(const std::vector<Size>& sizes, int padding, int maxSide) {
    std::vector<std::size_t> order(sizes.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return sizes[a].height > sizes[b].height;
    });
    // Candidate sheets from the smallest area up; at equal area the wider one first.
    std::vector<Size> candidates;
    for (int w = 2; w <= maxSide; w *= 2) {
        for (int h = 2; h <= maxSide; h *= 2)
            candidates.push_back(Size{w, h});
    }
    std::stable_sort(candidates.begin(), candidates.end(), [](const Size& a, const Size& b) {
        const long areaA = static_cast<long>(a.width) * a.height;
        const long areaB = static_cast<long>(b.width) * b.height;
        return areaA != areaB ? areaA < areaB : a.width > b.width;
    });
    for (const Size& sheet : candidates) {
        if (auto places = TryShelves(sizes, order, padding, sheet.width, sheet.height))
            return PackedSheet{sheet.width, sheet.height, std::move(*places)};
    }
    return std::nullopt;
}
