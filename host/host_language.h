#pragma once

// The language the host runs in. The menu entry's name follows it at every
// call; the plug-in's windows, its status pane and its menus speak the one
// asked at the attachment.

#include <cstdint>

class HostApp;

enum class HostLanguage : int32_t { Japanese, English };

constexpr int HostLanguageCount = 2;

// The host's answer to is_japanese. English when there is no application
// object or the host throws: the host's exception must not cross back into it.
HostLanguage AskHostLanguage(HostApp* app) noexcept;
