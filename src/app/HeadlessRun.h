#pragma once

#include <filesystem>

struct LaunchOptions;

// Plays the match the command line asks for with no window, no drawing context and no sound
// device, the update pass alone on a clock of exactly 80 frames a second (or a replayed
// script's recorded steps), as fast as the machine allows. A bot takes the human's slot unless
// a script drives it. Stops at the frame limit or once the match is over, and prints the
// summary. `root` is the executable's folder, which holds Base/. The process's exit code comes
// back: not 0 when no match could be played.
int RunHeadless(const LaunchOptions& options, const std::filesystem::path& root);
