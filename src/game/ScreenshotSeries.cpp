#include "game/ScreenshotSeries.h"

#include <string>
#include <system_error>
#include <utility>

#include "render/Renderer.h"

ScreenshotSeries::ScreenshotSeries(std::filesystem::path directory)
    : directory_(std::move(directory)) {
    SkipTaken();
}

std::filesystem::path ScreenshotSeries::PathOf(int number) const {
    return directory_ / ("Screen" + std::to_string(number) + ".tga");
}

void ScreenshotSeries::SkipTaken() {
    std::error_code unknown;  // a file that cannot even be looked at counts as free
    while (next_ < kLimit && std::filesystem::exists(PathOf(next_), unknown))
        ++next_;
}

void ScreenshotSeries::Take(Renderer& renderer) {
    if (directory_.empty()) return;
    SkipTaken();  // files after a gap are still there to be kept
    if (next_ >= kLimit) return;
    std::error_code ignored;  // an existing folder is fine; a missing one shows when saving
    std::filesystem::create_directories(directory_, ignored);
    renderer.SaveScreenshot(PathOf(next_).string());
    ++next_;
}
