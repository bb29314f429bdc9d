#include "screen_scale.h"

#include <windows.h>

int ScalePixels(int pixels, int dpi) { return ::MulDiv(pixels, dpi, 96); }

int ScreenDpi() {
    static const int dpi = [] {
        HDC screen = ::GetDC(nullptr);
        int value = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen) ::ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return dpi;
}
