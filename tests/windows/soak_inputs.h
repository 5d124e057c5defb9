#pragma once

// Random input for the soak of the message hook: message records, pointer
// positions, settings and host worlds, all drawn from one seeded engine so
// that a seed replays a run exactly.

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <random>

#include "sandbox/host_bridge.h"

// Uses only the engine's raw output, which the language fixes for a seed, so
// a run replays alike with any standard library.
class SoakRandom {
public:
    explicit SoakRandom(uint64_t seed) : engine_(seed) {}

    uint64_t Bits() { return engine_(); }
    uint32_t Below(uint32_t n) { return static_cast<uint32_t>(engine_() % n); }
    int Between(int low, int high) { return low + static_cast<int>(Below(static_cast<uint32_t>(high - low + 1))); }
    bool OneIn(uint32_t n) { return Below(n) == 0; }
    // Uniform in [0, 1).
    float Unit() { return static_cast<float>(engine_() >> 40) / 16777216.0f; }

    template <class T, size_t N>
    T Pick(const T (&items)[N])
    {
        return items[Below(static_cast<uint32_t>(N))];
    }

private:
    std::mt19937_64 engine_;
};

// The windows a random message may be aimed at.
struct SoakWindows {
    HWND figure;
    HWND main;
    HWND control;
    HWND statusBar;
};

// A message record as the system hands it to the hook: the eleven numbers the
// hook looks at most of the time, with key states, wheel deltas and
// positions that make its branches run, and any other number or field value
// now and then. `pointer` is where the system pointer is, in screen
// coordinates; `timerId` is the plug-in's pending timer.
MSG RandomMessage(SoakRandom& random, const SoakWindows& windows, POINT pointer, UINT_PTR timerId);

// Whether the hook looks at this message number at all.
bool IsHookedNumber(UINT message);

// A pointer position: inside a pane, exactly on its edges or its title line,
// elsewhere on or around the figure window, far off, or left of and above
// the primary monitor.
POINT RandomPointer(SoakRandom& random, const SandboxHostState& host, const RECT& figureOnScreen, POINT previous);

// Every setting to a value of its set or outside it.
void RandomiseSettings(SoakRandom& random);

// The host's camera, view matrix, centres and shapes: mostly an ordinary
// camera, sometimes extreme or degenerate values, rarely values that are not
// finite, as a host may hand out.
void RandomiseHostWorld(SoakRandom& random, SandboxHostState& host);

// The pane types, so that the perspective pane moves, doubles or goes.
void RandomisePaneTypes(SoakRandom& random, SandboxHostState& host);

// A host operation to fail with a host exception, never a release: a COM
// release does not fail.
int RandomFailingOperation(SoakRandom& random);
