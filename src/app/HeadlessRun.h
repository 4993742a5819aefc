#pragma once

#include <filesystem>

class App;
class WindowSystem;
struct LaunchOptions;

// Plays the match the command line asks for with no window, no drawing context and no sound
// device, the update pass alone on a clock of exactly 80 frames a second (or a replayed
// script's recorded steps), as fast as the machine allows. A bot takes the human's slot unless
// a script drives it. Stops at the frame limit or once the match is over, and prints the
// summary. `root` is the executable's folder, which holds Base/. The process's exit code comes
// back.
int RunHeadless(const LaunchOptions& options, const std::filesystem::path& root);

// Runs frames until the app quits (or, headless, the match is over), and prints the summary
// when the run was headless or had a frame limit.
void RunSummarised(App& app, WindowSystem& window, const LaunchOptions& options);
