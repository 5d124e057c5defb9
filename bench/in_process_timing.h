#pragma once

// The hook's own time, measured in-process where Wine's interprocess requests
// cannot hide it: its decision for messages it does not take, and the
// plug-in's side of one camera step.

#include <windows.h>

#include <string>
#include <vector>

struct DecisionTiming {
    std::string name;
    double nanoseconds;  // per message, the call of the next hook excluded
};

// MessageHook called directly in a tight loop with the next hook replaced by
// a function that returns at once, against a hook that only makes that same
// call; the difference is the decision. Medians over repetitions.
std::vector<DecisionTiming> MeasureDecisions(HWND figure, HWND other);

struct OperationTiming {
    std::string name;
    double total;       // nanoseconds per step, the operation as it runs
    double hostCalls;   // the same host calls and repaint made directly
    double pluginSide;  // total - hostCalls
};

// One orbit, pan and dolly step on the sandbox host's camera, and one pane
// test, against the same sequence of host calls made directly through the
// host's interface: the difference is the plug-in's side (holders, the
// exception guard around each host call, the arithmetic). The figure window is
// null meanwhile, so that UpdateWindow returns at once, and the pane test's
// pointer comes from a stand-in: the repaint and GetCursorPos are the host's
// and the system's time.
std::vector<OperationTiming> MeasureOperations();

// One GetCursorPos, which the pane test makes at every call: in ns, while the
// pointer moves, and when it has been still for a while (Wine then asks the
// X server at every call).
struct CursorPosTiming {
    double afterMove;
    double whenStill;
};
CursorPosTiming MeasureGetCursorPos();
