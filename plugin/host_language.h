#pragma once

// The language the host runs in, asked once at the attachment. The plug-in's
// windows, its status pane and its menus speak it.

#include <cstdint>

class HostApp;

enum class HostLanguage : int32_t { Japanese, English };

constexpr int HostLanguageCount = 2;

// The host's answer to is_japanese. English when there is no application
// object or the host throws: the host's exception must not cross back into it.
HostLanguage AskHostLanguage(HostApp* app) noexcept;
