#include "AnimTextWriter.h"

#include "AnimFigure.h"
#include "TextTokens.h"

template <std::size_t N>
std::string WriteAnimText(const AnimationSet<N>& set) {
    const AnimFigure& figure = FigureOf<N>();
    std::string text = "# Every frame is x y of the " + std::string(figure.pointNames) +
                       ";\n# y grows downward and the figure faces left.\nfigure " +
                       std::string(figure.word) + "\n";
    for (int index = 0; index < AnimationSet<N>::kAnimations; ++index) {
        const Animation<N>& animation = set.Get(index);
        text += "\nanimation " + std::to_string(index) + " " + QuoteText(set.Name(index)) +
                "\nspeed " + FormatNumber(animation.speed) + "\n";
        for (const Pose<N>& frame : animation.frames) {
            text += "frame";
            // Two blanks between points, one inside a point.
            for (const Vec2& p : frame.Points())
                text += "  " + FormatNumber(p.x) + " " + FormatNumber(p.y);
            text += "\n";
        }
    }
    return text;
}

template std::string WriteAnimText(const AnimationSet<6>&);
template std::string WriteAnimText(const AnimationSet<5>&);
