#include "plugin/host_language.h"

#include "plugin/host.h"

HostLanguage AskHostLanguage(HostApp* app) noexcept
{
    if (app == nullptr)
        return HostLanguage::English;
    try {
        return HostIsJapanese(*app) ? HostLanguage::Japanese : HostLanguage::English;
    } catch (...) {
        return HostLanguage::English;
    }
}
