#pragma once

// Messages per second through a PeekMessage loop on this thread, with no
// hook, with a WH_GETMESSAGE hook that only calls the next hook, and with the
// plug-in's MessageHook, for several kinds of message traffic.

#include <windows.h>

#include <string>
#include <vector>

#include "sandbox/host_windows.h"

enum HookVariant { NoHook, MinimalHook, PluginHook, HookVariantCount };

struct QueueKindResult {
    std::string name;
    // Passed without asking the host or the system anything: the kinds that
    // must cost no more than the minimal hook.
    bool passedAtOnce;
    double nanosecondsPerMessage[HookVariantCount];  // medians over the rounds
    double ratioToMinimal[HookVariantCount];         // medians of each round's ratio
    double pluginRatioQuartiles[2];                  // the rounds' spread of the plug-in's ratio
    int unexpectedMessages;                          // retrieved beyond those posted
};

// Alternates the variants in every round, each on a fresh batch of posted
// messages that the loop then retrieves and removes; only the retrieval is
// timed. The host's camera changes invalidate the figure window, as the host's
// do, so a taken drag repaints it.
std::vector<QueueKindResult> MeasureQueueThroughput(const HostWindows& windows, int rounds, int batch);
