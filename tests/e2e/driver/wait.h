// Waiting for a state by polling it: never a fixed sleep.
#pragma once

#include <windows.h>

// Polls `done` every 20 ms until it answers true or `timeoutMs` have passed; answers its last answer.
template <class Condition>
bool WaitUntil(Condition done, DWORD timeoutMs = 15000) {
    DWORD start = ::GetTickCount();
    for (;;) {
        if (done()) return true;
        if (::GetTickCount() - start >= timeoutMs) return done();
        ::Sleep(20);
    }
}
