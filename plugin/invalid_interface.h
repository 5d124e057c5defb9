#pragma once

// Throws the text "invalid interface plugin_interface" as a plain char pointer,
// in the form the host's Microsoft runtime catches with a handler for char* or
// void*. Used by the table's operations beyond this version of the interface.
void ThrowInvalidInterface();
