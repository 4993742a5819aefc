#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// A figure as the texts and the command line name it, with its points in file order.
struct AnimFigure {
    std::string_view word;
    std::size_t points;
    std::string_view pointNames;
};

inline constexpr std::array<AnimFigure, 2> kAnimFigures = {{
    {"lower", 6, "neck, hip, left knee, right knee, left foot and right foot"},
    {"upper", 5, "shoulder, weapon elbow, other elbow, weapon hand and other hand"},
}};

// The figure called `word`; none for any other word.
constexpr const AnimFigure* FigureOfWord(std::string_view word) {
    for (const AnimFigure& figure : kAnimFigures)
        if (figure.word == word) return &figure;
    return nullptr;
}

// The figure whose poses have N points.
template <std::size_t N>
constexpr const AnimFigure& FigureOf() {
    static_assert(N == 6 || N == 5, "a figure has 6 (lower) or 5 (upper) points");
    return kAnimFigures[N == 6 ? 0 : 1];
}
