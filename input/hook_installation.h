#pragma once

// Unhooks the message hook when one was installed; the handle keeps its value.
void RemoveMessageHook();
