#include "bots/BotSkill.h"

#include <algorithm>
#include <array>

const BotSkill& BotSkill::For(int skill) {
    static constexpr std::array<BotSkill, kHighest> kSkills = {{
        {12, 1, 0.3f, 0.5f, 40.0f, 6.0f},
        {8, 1, 0.6f, 0.75f, 20.0f, 8.0f},
        {5, 2, 1.0f, 1.0f, 0.0f, 10.0f},
        {4, 3, 1.6f, 1.25f, 0.0f, 14.0f},
        {3, 4, 2.5f, 1.5f, 0.0f, 18.0f},
    }};
    return kSkills[static_cast<std::size_t>(std::clamp(skill, kLowest, kHighest) - 1)];
}
