#pragma once

// A Microsoft-compiled class with virtual functions keeps a pointer to its
// complete object locator in the word before its operation table, and the
// host's typeid and dynamic_cast read it there from any object it holds. GCC
// keeps its own type information in that word, which Microsoft's runtime
// would misread.

// Points `object`, a plugin_component whose own constructor is running, at a
// copy of its operation table preceded by a Microsoft x64 complete object
// locator for plugin_component, derived from plugin_interface,
// unknown_interface and IUnknown. A Microsoft build has its own and leaves the
// object as it is.
void UseMicrosoftTypeInformation(void* object);
