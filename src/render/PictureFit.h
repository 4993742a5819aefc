#pragma once

// Where the game's picture sits in a window of another size: as large as fits without changing
// its shape, centred, with bars filling the rest. Window pixels, y down from the top.
struct PictureFit {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    // A picture or window of no size leaves the picture at the window's corner, unscaled.
    static PictureFit Of(int pictureWidth, int pictureHeight, int windowWidth, int windowHeight);

    // The picture pixel under a window pixel (outside the picture too, beyond its edges).
    void WindowToPicture(int pictureWidth, int pictureHeight, int& pointX, int& pointY) const;
    // The window pixel at the middle of a picture pixel.
    void PictureToWindow(int pictureWidth, int pictureHeight, int& pointX, int& pointY) const;

    // One axis of a cursor read after it was put at picture pixel `put`: `mapped` is the picture
    // pixel under it and `moved` how far it went in window pixels. Unmoved it is where it was
    // put; moved, it is never the same picture pixel, so that where one picture pixel covers
    // several window pixels the smallest move of the mouse still counts.
    static int KeepMove(int put, int mapped, int moved);
};
