#include "tests/windows/attached_host.h"

#include "input/hook_installation.h"
#include "plugin/plugin_component.h"
#include "sandbox/host_message_loop.h"
#include "tests/windows/registry_scratch.h"

namespace {

HMODULE StatusBarLibrary()
{
    static HMODULE library = LoadLibraryA("Z_Brannoc10.dll");
    return library;
}

template <class Function>
Function StatusBarExport(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(StatusBarLibrary(), name)));
}

StatusBarLog* Log()
{
    static StatusBarLog* log = StatusBarExport<SandboxStatusBarLogFunction>("SandboxStatusBarLog")();
    return log;
}

}  // namespace

void AttachedHostTest::SetUp()
{
    SandboxHostTest::SetUp();
    DeleteSettingsKey();
    SessionState.ModuleInstance = GetModuleHandleA(nullptr);
    SessionState.StatusBarModule = StatusBarLibrary();
    Log()->count = 0;
    auto* created = new plugin_component();
    created->AddRef();
    component = created;
}

void AttachedHostTest::TearDown()
{
    RemoveMessageHook();
    if (windows.main != nullptr)
        DestroyWindow(windows.main);  // and with it the control window it owns
    if (windows.tarnhollow != nullptr)
        DestroyWindow(windows.tarnhollow);
    PumpMessages();
    sandbox_component_release(component);
    DeleteSettingsKey();
}

void AttachedHostTest::CreateWindows()
{
    // Aware of the display's DPI, as the sandbox host declares itself.
    SetProcessDPIAware();
    windows = CreateHostWindows(GetModuleHandleA(nullptr), 800, 600);
    host->mainWindow = windows.main;
    StatusBarExport<void (*)(HWND)>("SandboxStatusBarAttach")(windows.statusBar);
    PumpMessages();
}

void AttachedHostTest::Attach()
{
    if (windows.main == nullptr)
        CreateWindows();
    int flag = 0;
    sandbox_component_attach(component, sandbox_host_attach_context(), &flag);
    PumpMessages();
}

std::vector<StatusBarCall> AttachedHostTest::StatusCalls() const
{
    const StatusBarLog* log = Log();
    const int count = log->count < 512 ? log->count : 512;
    return std::vector<StatusBarCall>(log->calls, log->calls + count);
}

std::string AttachedHostTest::LastPaneText() const
{
    const std::vector<StatusBarCall> calls = StatusCalls();
    for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
        if (call->function == StatusBarSetTextCall)
            return Utf8FromCp932(call->text);
    }
    return "(none)";
}

void PumpMessages()
{
    // The host's main window posts WM_QUIT when it is destroyed; a test's
    // thread goes on, so that is skipped.
    for (int round = 0; round < 2; ++round)
        PumpPendingMessages();
}

void TypeKey(BYTE key, BYTE held, DWORD flags)
{
    if (held != 0)
        keybd_event(held, 0, 0, 0);
    keybd_event(key, 0, flags, 0);
    keybd_event(key, 0, flags | KEYEVENTF_KEYUP, 0);
    if (held != 0)
        keybd_event(held, 0, KEYEVENTF_KEYUP, 0);
    MSG peeked;
    PeekMessageA(&peeked, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE);
    PumpMessages();
}

SIZE ClientSize(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right - client.left, client.bottom - client.top};
}

POINT WindowOrigin(HWND window)
{
    RECT frame{};
    GetWindowRect(window, &frame);
    return POINT{frame.left, frame.top};
}

RECT ChildRect(HWND parent, int id)
{
    RECT rect{};
    GetWindowRect(GetDlgItem(parent, id), &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE IconSize(HICON icon)
{
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info))
        return SIZE{0, 0};
    BITMAP bitmap{};
    GetObjectA(info.hbmMask, sizeof bitmap, &bitmap);
    const bool monochrome = info.hbmColor == nullptr;
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr)
        DeleteObject(info.hbmColor);
    return SIZE{bitmap.bmWidth, monochrome ? bitmap.bmHeight / 2 : bitmap.bmHeight};
}

std::string Utf8FromCp932(const char* text)
{
    wchar_t wide[512];
    char utf8[1024];
    MultiByteToWideChar(932, 0, text, -1, wide, 512);
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    return utf8;
}

std::string ControlText(HWND window, int id)
{
    char text[512] = "";
    GetDlgItemTextA(window, id, text, sizeof text);
    return Utf8FromCp932(text);
}
