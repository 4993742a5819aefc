#include "game/ScreenshotSeries.h"

#include <fstream>
#include <string>
#include <system_error>
#include <utility>

#include "render/Renderer.h"

ScreenshotSeries::ScreenshotSeries(std::filesystem::path directory)
    : directory_(std::move(directory)) {
    std::error_code ignored;  // an existing folder is fine; a missing one shows when saving
    std::filesystem::create_directories(directory_, ignored);
    // A file counts as taken when it can be opened, exactly as the numbering always worked.
    while (next_ < kLimit && std::ifstream(PathOf(next_)).is_open())
        ++next_;
}

std::filesystem::path ScreenshotSeries::PathOf(int number) const {
    return directory_ / ("Screen" + std::to_string(number) + ".tga");
}

void ScreenshotSeries::Take(Renderer& renderer) {
    if (next_ >= kLimit) return;
    renderer.SaveScreenshot(PathOf(next_).string());
    ++next_;
}
