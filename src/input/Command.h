#pragma once

// What a bound key or action asks of the match, or of the editor open over it. The numbers are
// the ones the fixed bindings and the editors' buttons are written against; a number outside the
// list is carried through and does nothing.
enum class Command {
    None = 0,
    Leave = 1,
    MuzzleFlash = 2,
    Screenshot = 3,
    FirePrimary = 4,
    FireSecondary = 5,
    Crouch = 6,
    NextWeapon = 7,
    PrevWeapon = 8,
    // The animation editor's buttons and keys.
    NextFrame = 9,
    PrevFrame = 10,
    NextJoint = 11,
    NextAnimation = 12,
    EditOrPreview = 13,
    ClearFrames = 14,
    AddFrame = 15,
    SaveAnimations = 16,
    LegsOrArms = 17,
    DeleteFrame = 18,
    BulletTime = 19,  // the pad's fixed button; the keyboard's W reaches the match as a key
    SlowMotion = 20,
    AnimEditor = 21,
    MapEditor = 22,
    FullStop = 23,
    KeypadPlus = 24,
};
