// The sandbox host: loads the plug-in as the real host does, reports what it
// learned through the discovery exports and attaches the component to its
// windows.
//   (no option)      attaches and closes again
//   --run            stays open with its scene, for trying the plug-in by hand,
//                    until the main window is closed
//   --tour [folder]  plays the scripted tour with injected input and writes a
//                    picture and a line of state per step to the folder
//                    (by default build/tour, beside the bin folder, or
//                    build/tour-en for the host in English)
//   --english        (after those) the host runs in English: its
//                    is_japanese answers false
//   --double-clicks  (after those) the figure window's class asks for double
//                    clicks, as the classes of many hosts do

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "sandbox/host_bridge.h"
#include "sandbox/host_message_loop.h"
#include "sandbox/host_session.h"
#include "sandbox/plugin_loader.h"
#include "sandbox/screenshot.h"
#include "sandbox/tour/tour_script.h"

namespace {

struct Options {
    bool run = false;
    bool tour = false;
    bool english = false;
    bool doubleClicks = false;
    std::string folder;
};

Options ReadOptions(int argc, char** argv)
{
    Options options;
    int next = 1;
    if (next < argc && std::strcmp(argv[next], "--run") == 0) {
        options.run = true;
        ++next;
    } else if (next < argc && std::strcmp(argv[next], "--tour") == 0) {
        options.tour = true;
        ++next;
        if (next < argc && std::strncmp(argv[next], "--", 2) != 0)
            options.folder = argv[next++];
    }
    for (; next < argc; ++next) {
        options.english |= std::strcmp(argv[next], "--english") == 0;
        options.doubleClicks |= std::strcmp(argv[next], "--double-clicks") == 0;
    }
    if (options.tour && options.folder.empty())
        options.folder = BuildFolder() + (options.english ? "\\tour-en" : "\\tour");
    return options;
}

void PrintBytes(const char* label, const unsigned char* bytes)
{
    std::printf("%s", label);
    for (int i = 0; i < 16; ++i)
        std::printf(" %02X", bytes[i]);
    std::printf("\n");
}

// The plug-in's texts are code page 932; the console shows UTF-8.
void PrintText(const char* label, const char* text)
{
    wchar_t wide[512];
    char utf8[1024];
    if (text == nullptr) {
        std::printf("%s (null)\n", label);
        return;
    }
    MultiByteToWideChar(932, 0, text, -1, wide, 512);
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::printf("%s %s\n", label, utf8);
}

// Succeeds when every step left its picture.
int PlayTourInto(const SandboxExports* exports, void* component, const std::string& folder)
{
    const std::vector<TourStep> steps = PlayTour(exports, component, folder);
    int written = 0;
    for (const TourStep& step : steps)
        written += !step.picture.empty();
    std::printf("tour: %d steps, %d pictures and tour.txt in %s\n", static_cast<int>(steps.size()), written,
                folder.c_str());
    return !steps.empty() && written == static_cast<int>(steps.size()) ? 0 : 1;
}

// With the component created, the host attaches it to its windows and either
// closes again, runs until the user closes it, or plays the tour.
int Attached(const SandboxExports* exports, void* component, const Options& options)
{
    if (options.tour)
        return PlayTourInto(exports, component, options.folder);
    HostSession session = StartHostSession(exports, component, POINT{40, 40}, SIZE{900, 640}, options.doubleClicks);
    std::printf("attach: done\n");
    if (options.run)
        RunHostMessageLoop();
    EndHostSession(session);
    return 0;
}

int Run(const Options& options)
{
    sandbox_host_reset();
    LoadedPlugin plugin = LoadPlugin("Z_Vormelt10.dll");
    if (!plugin.complete) {
        std::printf("Z_Vormelt10.dll could not be loaded with its seven exports\n");
        return 1;
    }
    const SandboxExports* exports = &plugin.exports;
    std::printf("has_interface: %d\n", sandbox_has_interface(exports, HostPluginInterfaceId));
    SandboxHostState* host = sandbox_host_state();
    host->japanese = 1;
    PrintText("menu name (Japanese host):", sandbox_get_name(exports, HostPluginInterfaceId, 0, sandbox_host_app()));
    host->japanese = 0;
    PrintText("menu name (other host):", sandbox_get_name(exports, HostPluginInterfaceId, 0, sandbox_host_app()));
    host->japanese = options.english ? 0 : 1;
    std::printf("host language: %s\n", options.english ? "English" : "Japanese");
    unsigned char uuid[16];
    sandbox_get_uuid(exports, HostPluginInterfaceId, 0, uuid);
    PrintBytes("component uuid:", uuid);
    std::printf("is_resident: %d\n", sandbox_is_resident(exports, HostPluginInterfaceId, 0));
    SandboxInfoRecord info{};
    sandbox_get_info(exports, &info);
    std::printf("info record: %d %d %d %d %d\n", info.version, info.kind, info.reserved[0], info.reserved[1],
                info.reserved[2]);
    PrintText("  name:", info.name);
    PrintText("  maker:", info.maker);
    PrintText("  maker again:", info.makerAgain);
    PrintText("  description:", info.description);
    std::printf("text encoding: %d\n", sandbox_get_text_encoding(exports));

    int status = 0;
    void* component = nullptr;
    const int created = sandbox_create_interface(exports, HostPluginInterfaceId, 0, &component);
    std::printf("create_interface: %d\n", created);
    if (component != nullptr) {
        sandbox_component_uuid(component, uuid);
        PrintBytes("component_uuid:", uuid);
        std::printf("version_number: %d\n", sandbox_component_version_number(component));
        status = Attached(exports, component, options);
        std::printf("release: %d\n", sandbox_component_release(component));
    }
    FreeLibrary(plugin.module);
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    // Aware of the display's DPI, as a host of today declares itself: its
    // windows and the plug-in's get the display's own pixels.
    SetProcessDPIAware();
    try {
        return Run(ReadOptions(argc, argv));
    } catch (...) {
        std::printf("the sandbox host failed\n");
        return 1;
    }
}
