// Sizes the program sets in pixels (fonts, margins, the tip's shape) are written as at
// 96 DPI and scaled to the screen's DPI: the program declares itself DPI-aware, so the system
// no longer stretches its windows as a bitmap. Dialog templates scale themselves.
#pragma once

// `pixels` at 96 DPI on a screen of `dpi`, to the nearest pixel (halves away from zero).
int ScalePixels(int pixels, int dpi);

// The screen's DPI, as it was when first asked (the system DPI does not change while a program runs).
int ScreenDpi();

// `pixels` at 96 DPI on this screen.
inline int Scaled(int pixels) { return ScalePixels(pixels, ScreenDpi()); }
