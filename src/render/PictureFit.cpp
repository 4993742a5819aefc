#include "render/PictureFit.h"

#include <algorithm>
#include <cstdint>

namespace {
// Points are held within this far of 0, beyond any window or picture, so no sum can overflow.
constexpr std::int64_t kReach = 1 << 24;

std::int64_t Held(int value) { return std::clamp<std::int64_t>(value, -kReach, kReach); }

// Floor of a / b for b > 0, so that pixels left of or above the picture map outwards.
int FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t quotient = a / b;
    return static_cast<int>(quotient * b > a ? quotient - 1 : quotient);
}
}  // namespace

PictureFit PictureFit::Of(int pictureWidth, int pictureHeight, int windowWidth, int windowHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || windowWidth <= 0 || windowHeight <= 0) {
        return {0, 0, pictureWidth, pictureHeight};
    }
    const std::int64_t pw = pictureWidth, ph = pictureHeight, ww = windowWidth, wh = windowHeight;
    PictureFit fit;
    if (ww * ph <= wh * pw) {  // the width is what limits
        fit.width = windowWidth;
        fit.height = static_cast<int>((ww * ph * 2 + pw) / (pw * 2));
    } else {
        fit.height = windowHeight;
        fit.width = static_cast<int>((wh * pw * 2 + ph) / (ph * 2));
    }
    fit.x = (windowWidth - fit.width) / 2;
    fit.y = (windowHeight - fit.height) / 2;
    return fit;
}

void PictureFit::WindowToPicture(int pictureWidth, int pictureHeight, int& pointX,
                                 int& pointY) const {
    if (width <= 0 || height <= 0) return;
    // The picture pixel under the window pixel's middle.
    pointX = FloorDiv((2 * (Held(pointX) - x) + 1) * pictureWidth, std::int64_t{width} * 2);
    pointY = FloorDiv((2 * (Held(pointY) - y) + 1) * pictureHeight, std::int64_t{height} * 2);
}

void PictureFit::PictureToWindow(int pictureWidth, int pictureHeight, int& pointX,
                                 int& pointY) const {
    if (pictureWidth <= 0 || pictureHeight <= 0) return;
    pointX = x + FloorDiv((Held(pointX) * 2 + 1) * width, std::int64_t{pictureWidth} * 2);
    pointY = y + FloorDiv((Held(pointY) * 2 + 1) * height, std::int64_t{pictureHeight} * 2);
}

int PictureFit::KeepMove(int put, int mapped, int moved) {
    if (moved == 0) return put;
    if (mapped != put) return mapped;
    return moved > 0 ? put + 1 : put - 1;
}
