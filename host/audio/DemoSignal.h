#pragma once

#include "AudioFile.h"

// The built-in demo: a few seconds of plucked chords, stereo at 48 kHz, made in code so the
// main job needs no file. Deterministic. Main thread.
AudioBuffer makeDemoSignal();
