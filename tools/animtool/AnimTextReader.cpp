#include "AnimTextReader.h"

#include <limits>
#include <span>
#include <type_traits>

#include "AnimFigure.h"
#include "TextError.h"
#include "TextLines.h"
#include "TextRecords.h"
#include "TextTokens.h"

namespace {

using Args = std::span<const TextToken>;

// Collects the records line by line into both sets; the figure line decides which one counts.
class AnimTextParser {
public:
    void ReadLine(const std::vector<TextToken>& tokens, int line) {
        ReadTextRecord(*this, kRecords, tokens, line);
    }

    AnyAnimationSet Finish() {
        if (figure_ == nullptr) throw TextError("the text has no figure line");
        if (figure_->points == LowerPose::kPoints) return std::move(lower_);
        return std::move(upper_);
    }

private:
    template <typename F>
    void WithSet(F f) {
        if (figure_->points == LowerPose::kPoints) {
            f(lower_);
        } else {
            f(upper_);
        }
    }

    void Figure(Args args, int line) {
        if (figureLine_ != 0) {
            throw TextError("a second figure line; the first is line " +
                            std::to_string(figureLine_));
        }
        figure_ = FigureOfWord(args[0].quoted ? std::string_view{} : args[0].text);
        if (figure_ == nullptr) {
            throw TextError("unknown figure \"" + args[0].text + "\"; a figure is " +
                            JoinWords(kAnimFigures, [](const AnimFigure& f) { return f.word; }));
        }
        figureLine_ = line;
    }

    void StartAnimation(Args args, int line) {
        if (figure_ == nullptr) throw TextError("the figure line comes before any animation");
        const std::int32_t index = ParseInteger(args[0]);
        if (index < 0 || index >= LowerAnimationSet::kAnimations) {
            throw TextError("animation " + std::to_string(index) + " is not one of 0 to " +
                            std::to_string(LowerAnimationSet::kAnimations - 1));
        }
        int& seenOn = animationLines_[static_cast<std::size_t>(index)];
        if (seenOn != 0) {
            throw TextError("a second animation " + std::to_string(index) + "; the first is line " +
                            std::to_string(seenOn));
        }
        seenOn = line;
        WithSet([&](auto& set) {
            const std::string name = set.Name(index);
            if (args.size() == 2 && args[1].text != name) {
                throw TextError("animation " + std::to_string(index) + " is " + QuoteText(name) +
                                ", not " + QuoteText(args[1].text));
            }
            set.Get(index).frames.clear();
        });
        animation_ = index;
        speedLine_ = 0;
    }

    void Speed(Args args, int line) {
        NeedAnimation("speed");
        if (speedLine_ != 0) {
            throw TextError("a second speed for animation " + std::to_string(animation_) +
                            "; the first is line " + std::to_string(speedLine_));
        }
        // Below 0 is allowed: the game holds such an animation at its frame, and a set saved
        // from the animation editor may have one.
        const float speed = ParseNumber(args[0]);
        speedLine_ = line;
        WithSet([&](auto& set) { set.Get(animation_).speed = speed; });
    }

    void Frame(Args args, int) {
        NeedAnimation("frame");
        if (args.size() != 2 * figure_->points) {
            throw TextError("a frame of the " + std::string(figure_->word) + " figure is " +
                            std::to_string(2 * figure_->points) + " numbers, x y of its " +
                            std::string(figure_->pointNames) + "; " + std::to_string(args.size()) +
                            " given");
        }
        WithSet([&](auto& set) {
            auto& pose = set.Get(animation_).frames.emplace_back();
            for (std::size_t i = 0; i < pose.Points().size(); ++i)
                pose.SetPoint(i, Vec2{ParseNumber(args[2 * i]), ParseNumber(args[2 * i + 1])});
        });
    }

    void NeedAnimation(const char* word) const {
        if (animation_ < 0) {
            throw TextError(std::string(word) + " belongs to an animation; an animation line " +
                            "comes first");
        }
    }

    static constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();
    static constexpr std::array<TextRecord<AnimTextParser>, 4> kRecords = {{
        {"figure", 1, 1, "one word, lower or upper", &AnimTextParser::Figure},
        {"animation", 1, 2,
         "an index from 0 to 9 and an optional name (in quotes when it holds blanks)",
         &AnimTextParser::StartAnimation},
        {"speed", 1, 1, "one number, the phase gained per step", &AnimTextParser::Speed},
        {"frame", 1, kAny, "the x y of every point of the figure", &AnimTextParser::Frame},
    }};

    const AnimFigure* figure_ = nullptr;
    int figureLine_ = 0;
    std::array<int, LowerAnimationSet::kAnimations> animationLines_{};
    int animation_ = -1;
    int speedLine_ = 0;
    LowerAnimationSet lower_;
    UpperAnimationSet upper_;
};

}  // namespace

AnimTextResult ReadAnimText(std::istream& in, const std::string& fileName) {
    AnimTextParser parser;
    AnimTextResult result;
    result.error = ReadTextLines(
        in, fileName,
        [&](const std::vector<TextToken>& tokens, int line) { parser.ReadLine(tokens, line); },
        [&] { result.set = parser.Finish(); });
    return result;
}

std::vector<std::uint8_t> SaveAnimationSet(const AnyAnimationSet& set) {
    return std::visit([](const auto& s) { return s.Save(); }, set);
}
