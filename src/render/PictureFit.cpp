#include "render/PictureFit.h"

#include <cstdint>

namespace {
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
    pointX = FloorDiv(std::int64_t{pointX - x} * pictureWidth, width);
    pointY = FloorDiv(std::int64_t{pointY - y} * pictureHeight, height);
}

void PictureFit::PictureToWindow(int pictureWidth, int pictureHeight, int& pointX,
                                 int& pointY) const {
    if (pictureWidth <= 0 || pictureHeight <= 0) return;
    pointX = x + FloorDiv((std::int64_t{pointX} * 2 + 1) * width, std::int64_t{pictureWidth} * 2);
    pointY = y + FloorDiv((std::int64_t{pointY} * 2 + 1) * height, std::int64_t{pictureHeight} * 2);
}
