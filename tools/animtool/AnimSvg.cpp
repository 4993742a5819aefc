#include "AnimSvg.h"

#include <algorithm>
#include <cstdio>

#include "TextTokens.h"

namespace {

constexpr float kLabelWidth = 120.0f;
constexpr float kCellWidth = 40.0f;
constexpr float kRowHeight = 62.0f;
constexpr float kNeckFromRowTop = 24.0f;  // room for the head above it
constexpr float kScale = 3.0f;            // pixels per unit when rasterised
constexpr std::size_t kMostCells = 120;   // a row this long is cut, whatever the file holds
constexpr float kStepsPerSecond = 80.0f;

// The segments of each figure, as the game draws them.
constexpr std::array<std::pair<int, int>, 5> kLowerSegments = {
    {{0, 1}, {1, 2}, {1, 3}, {2, 4}, {3, 5}}};
constexpr std::array<std::pair<int, int>, 4> kUpperSegments = {{{0, 1}, {0, 2}, {1, 3}, {2, 4}}};

std::string Num(float value) { return FormatNumber(value); }

std::string Line(Vec2 a, Vec2 b, const char* style) {
    return "<line x1=\"" + Num(a.x) + "\" y1=\"" + Num(a.y) + "\" x2=\"" + Num(b.x) + "\" y2=\"" +
           Num(b.y) + "\" " + style + "/>\n";
}

std::string Text(float x, float y, const std::string& text, const char* style) {
    return "<text x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" font-family=\"sans-serif\" " + style +
           ">" + text + "</text>\n";
}

template <std::size_t N>
std::string Figure(const Pose<N>& pose, Vec2 at, const char* style) {
    std::string svg;
    const auto draw = [&](const auto& segments) {
        for (const auto& [from, to] : segments) {
            svg += Line(pose.Point(static_cast<std::size_t>(from)) + at,
                        pose.Point(static_cast<std::size_t>(to)) + at, style);
        }
    };
    if constexpr (N == 6) {
        draw(kLowerSegments);
    } else {
        draw(kUpperSegments);
    }
    return svg;
}

std::string Head(Vec2 neck) {
    return "<circle cx=\"" + Num(neck.x) + "\" cy=\"" + Num(neck.y - 4.0f) +
           "\" r=\"4\" fill=\"none\" stroke=\"#b0b0b0\" stroke-width=\"0.8\"/>\n";
}

constexpr const char* kFrameStyle =
    "stroke=\"#000000\" stroke-width=\"1.2\" stroke-linecap=\"round\"";
constexpr const char* kBlendStyle =
    "stroke=\"#5878b0\" stroke-width=\"1\" stroke-linecap=\"round\"";
constexpr const char* kReferenceStyle = "stroke=\"#c8c8c8\" stroke-width=\"0.8\"";

// The legs: the body box, 16 x 24 about the position, and the ground it stands on.
std::string Reference(const LowerPose& pose, Vec2 at) {
    return "<rect x=\"" + Num(at.x - 8.0f) + "\" y=\"" + Num(at.y - 12.0f) +
           "\" width=\"16\" height=\"24\" fill=\"none\" stroke=\"#d8d8d8\" "
           "stroke-dasharray=\"1.5 1.5\" stroke-width=\"0.6\"/>\n" +
           Line(at + Vec2{-18.0f, 12.0f}, at + Vec2{18.0f, 12.0f},
                "stroke=\"#c0a080\" stroke-width=\"0.8\"") +
           Head(pose.Point(0) + at);
}

// The arms hang at the neck of the resting legs; the gun points forward from the weapon hand.
std::string Reference(const UpperPose& pose, Vec2 at) {
    LowerPose legs;
    const Vec2 neck = legs.Point(0);
    const Vec2 hand = pose.Point(3) + at;
    return Figure(legs, at - neck, kReferenceStyle) + Head(at) +
           Line(hand + Vec2{1.0f, 0.0f}, hand + Vec2{-9.0f, 0.0f},
                "stroke=\"#909090\" stroke-width=\"2.4\" stroke-opacity=\"0.6\"");
}

template <std::size_t N>
std::string Label(int index, const Animation<N>& animation, float top) {
    const std::size_t count = animation.frames.size();
    std::string timing = "never moves";
    if (animation.speed > 0.0f && count >= 2) {
        const float blend = 1.0f / animation.speed / kStepsPerSecond;
        char text[96];
        std::snprintf(text, sizeof text, "loop %.2f s, once %.2f s",
                      static_cast<double>(blend * static_cast<float>(count)),
                      static_cast<double>(blend * static_cast<float>(count - 1)));
        timing = text;
    }
    return Text(4.0f, top + 22.0f, std::to_string(index) + " " + AnimationSet<N>::Name(index),
                "font-size=\"9\" font-weight=\"bold\"") +
           Text(4.0f, top + 33.0f,
                std::to_string(count) + (count == 1 ? " frame" : " frames") + ", speed " +
                    Num(animation.speed),
                "font-size=\"7\"") +
           Text(4.0f, top + 42.0f, timing, "font-size=\"7\" fill=\"#505050\"");
}

template <std::size_t N>
std::string Row(int index, const Animation<N>& animation, int blends, float top) {
    std::string svg = Label(index, animation, top);
    const auto& frames = animation.frames;
    const std::size_t perFrame = static_cast<std::size_t>(blends) + 1;
    const float neckDrop = N == 6 ? -LowerPose().Point(0).y : 0.0f;
    for (std::size_t cell = 0; cell < frames.size() * perFrame && cell < kMostCells; ++cell) {
        const std::size_t frame = cell / perFrame;
        const std::size_t blend = cell % perFrame;
        const Vec2 at{kLabelWidth + (static_cast<float>(cell) + 0.5f) * kCellWidth,
                      top + kNeckFromRowTop + neckDrop};
        Pose<N> pose = frames[frame];
        if (blend > 0) {
            pose.Lerp(frames[frame], frames[(frame + 1) % frames.size()],
                      static_cast<float>(blend) / static_cast<float>(perFrame));
        }
        svg += Reference(pose, at) + Figure(pose, at, blend == 0 ? kFrameStyle : kBlendStyle);
        if (blend == 0) {
            svg += Text(at.x, top + kRowHeight - 2.0f, std::to_string(frame),
                        "font-size=\"6\" fill=\"#707070\" text-anchor=\"middle\"");
        }
    }
    return svg;
}

}  // namespace

template <std::size_t N>
std::string DrawAnimSvg(const AnimationSet<N>& set, int blends) {
    blends = std::max(blends, 0);
    std::size_t cells = 1;
    for (int index = 0; index < AnimationSet<N>::kAnimations; ++index) {
        cells =
            std::max(cells, set.Get(index).frames.size() * (static_cast<std::size_t>(blends) + 1));
    }
    cells = std::min(cells, kMostCells);
    const float width = kLabelWidth + static_cast<float>(cells) * kCellWidth;
    const float height = kRowHeight * static_cast<float>(AnimationSet<N>::kAnimations);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(width * kScale) +
                      "\" height=\"" + Num(height * kScale) + "\" viewBox=\"0 0 " + Num(width) +
                      " " + Num(height) + "\">\n<rect width=\"" + Num(width) + "\" height=\"" +
                      Num(height) + "\" fill=\"#ffffff\"/>\n";
    for (int index = 0; index < AnimationSet<N>::kAnimations; ++index) {
        const float top = kRowHeight * static_cast<float>(index);
        if (index > 0) svg += Line({0.0f, top}, {width, top}, "stroke=\"#e0e0e0\"");
        svg += Row(index, set.Get(index), blends, top);
    }
    return svg + "</svg>\n";
}

template std::string DrawAnimSvg(const AnimationSet<6>&, int);
template std::string DrawAnimSvg(const AnimationSet<5>&, int);
