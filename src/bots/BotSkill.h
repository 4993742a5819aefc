#pragma once

// How a skill from 1 to 5 bends the bots' profiles. Skill 3 plays the profiles as written;
// lower skills see later, search fewer players a frame, turn and aim more slowly and fire with
// a wider error; higher skills the opposite.
struct BotSkill {
    static constexpr int kLowest = 1;
    static constexpr int kAsWritten = 3;
    static constexpr int kHighest = 5;

    int sightFrames;    // thinks between two sight checks of the target held
    int testsPerFrame;  // sight tests the target search may make in one think
    float turnRate;     // times the chance to turn towards the target
    float aimRate;      // times the aiming speed
    float aimError;     // the aim point lies up to this far above or below the target
    float fireChance;   // percent a think to fire a weapon fired by the press, when aimed

    // The tuning for a skill; values outside 1 to 5 count as the nearest end.
    static const BotSkill& For(int skill);
};
