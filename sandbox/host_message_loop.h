#pragma once

#include <windows.h>

#include <functional>

// One turn of the host's message loop. Like the real host it peeks at a
// pending mouse message without removing it before it retrieves it, so a
// message hook sees every mouse message twice and every other message once.
// Returns false on WM_QUIT or, when `wait` is false, when nothing is pending;
// `dispatched`, when given, receives the message's number as the host
// dispatched it, after the hooks (WM_NULL for one a hook blanked).
bool PumpOneMessage(bool wait, UINT* dispatched = nullptr);

// Pumps until nothing is pending.
void PumpPendingMessages();

// Runs the loop until `done` or the time is up; false on time-out.
bool PumpUntil(const std::function<bool()>& done, DWORD limitMilliseconds = 3000);

// Runs the loop until WM_QUIT; returns its exit code.
int RunHostMessageLoop();
