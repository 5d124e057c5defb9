#include "host/host_language.h"

#include "host/host.h"

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
