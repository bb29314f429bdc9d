// Stands in for a browser or a text viewer in the end-to-end scenarios: appends the address or
// file it was asked to open, as a line, to the file named first. A window program, so that no
// console window takes the keyboard from the scenario while it runs.
#include <windows.h>

#include <cstdlib>
#include <fstream>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc != 3) return 2;
    std::ofstream(__argv[1], std::ios::binary | std::ios::app) << __argv[2] << "\r\n";
    return 0;
}
