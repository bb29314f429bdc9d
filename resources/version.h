// The version of Calvo, written once: the version resource of both programs, tuv-eval --version
// and the release package's name all take it from here.
#pragma once

#define CALVO_VERSION_MAJOR 1
#define CALVO_VERSION_MINOR 0

#define CALVO_VERSION_STRINGIZE(x) #x
#define CALVO_VERSION_JOIN(major, minor) CALVO_VERSION_STRINGIZE(major) "." CALVO_VERSION_STRINGIZE(minor)
#define CALVO_VERSION_TEXT CALVO_VERSION_JOIN(CALVO_VERSION_MAJOR, CALVO_VERSION_MINOR)
