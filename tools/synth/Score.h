#pragma once

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

enum class Waveform { Sine, Square, Saw, Triangle, Noise };

// A value gliding exponentially from `from` to `to` over `seconds`, then staying at `to`.
struct Glide {
    float from = 0.0f;
    float to = 0.0f;
    float seconds = 0.0f;

    float At(float t) const;
};

// How one voice sounds: an oscillator through a filter, shaped by an envelope.
struct Instrument {
    Waveform waveform = Waveform::Sine;
    float duty = 0.5f;  // square: the part of a cycle spent high
    // Envelope in seconds: rise, fall to the sustain level, fade after the note ends. With
    // sustain 0 the instrument is a one-shot that ignores how long its note is held.
    float attack = 0.005f;
    float decay = 0.1f;
    float sustain = 0.7f;
    float release = 0.05f;
    float gain = 0.5f;
    float frequency = 440.0f;   // the pitch of a hit ("x") that names no note
    float slideRatio = 1.0f;    // pitch glides to the note's pitch times this ...
    float slideSeconds = 0.0f;  // ... over this long
    Glide lowpass;              // cutoff in Hz; 0 is no filter
    float highpass = 0.0f;      // cutoff in Hz; 0 is no filter
    float vibratoRate = 0.0f;   // Hz
    float vibratoDepth = 0.0f;  // semitones
    float detuneCents = 0.0f;   // a second oscillator this far above the first
    float drive = 0.0f;         // soft clipping; 0 is none
};

// One note of one instrument; steps count from the start of the piece (or pattern).
struct Note {
    std::size_t instrument = 0;
    int step = 0;
    int steps = 1;  // how long it is held
    float frequency = 0.0f;
    float velocity = 1.0f;
};

struct Pattern {
    int steps = 0;
    std::vector<Note> notes;
};

// A piece of music or a sound effect: instruments and the notes they play, laid out on a grid
// of steps.
struct Score {
    float tempo = 120.0f;  // beats per minute
    int stepsPerBeat = 4;
    // A loop wraps the sound that rings past its end round to its start, so it repeats
    // seamlessly; anything else ends when its last note has faded.
    bool loop = false;
    float peak = 0.9f;  // the loudest sample of the result, of full scale
    std::vector<Instrument> instruments;
    std::map<std::string, std::size_t> instrumentNames;
    std::map<std::string, Pattern> patterns;
    std::vector<Note> notes;
    int steps = 0;
};

// A mistake in a score, with the line it was found on.
class ScoreError : public std::runtime_error {
public:
    ScoreError(int line, const std::string& message);
};

// Reads a score; "include" lines name files in `directory`. Throws ScoreError.
Score ParseScore(std::istream& in, const std::filesystem::path& directory = {});
// The frequency of a note name such as "A4", "C#5" or "Eb3"; 0 when it is not one.
float NoteFrequency(const std::string& name);
