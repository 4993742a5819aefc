#pragma once

// Where one figure of a player stands in its animation: between the current and the next
// frame, `phase` of the way. A one-shot animation names the animation that follows it.
struct AnimationState {
    int animation = 0;
    int current = 0;
    int next = 1;
    float phase = 0.0f;
    int followUp = -1;  // -1: the animation loops

    // Starts an animation from its first frame.
    void Set(int index, int followUpIndex) {
        animation = index;
        current = 0;
        next = 1;
        phase = 0.0f;
        followUp = followUpIndex;
    }
    bool OneShot() const { return followUp != -1; }
};
