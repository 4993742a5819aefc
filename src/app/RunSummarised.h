#pragma once

class App;
class WindowSystem;
struct LaunchOptions;

// How a run went, for the recording's end and the exit code.
struct RunResult {
    long frames = 0;           // passes of the loop that ran
    bool matchPlayed = false;  // a match ran at least one frame
};

// Runs frames until the app quits (or, headless, the match is over), and prints the summary
// when the run was headless or had a frame limit.
RunResult RunSummarised(App& app, WindowSystem& window, const LaunchOptions& options,
                        unsigned int seed);
