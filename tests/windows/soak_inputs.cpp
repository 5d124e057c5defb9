#include "tests/windows/soak_inputs.h"

#include <climits>
#include <limits>

#include "state/settings.h"

namespace {

const UINT HookedNumbers[] = {WM_KEYDOWN,       WM_KEYUP,         WM_TIMER,         WM_MOUSEMOVE,   WM_MOUSEMOVE,
                              WM_MOUSEMOVE,     WM_MOUSEMOVE,     WM_LBUTTONDOWN,   WM_LBUTTONUP,   WM_RBUTTONDOWN,
                              WM_RBUTTONUP,     WM_MBUTTONDOWN,   WM_MBUTTONUP,     WM_MOUSEWHEEL,  WM_MOUSEWHEEL,
                              WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK};

// Neighbours the hook must leave alone: the horizontal wheel, the system timer, non-client mouse messages.
const UINT OtherNumbers[] = {WM_NULL,        WM_PAINT,       WM_CHAR,          WM_SYSKEYDOWN, WM_SYSKEYUP,
                             WM_DEADCHAR,    WM_NCMOUSEMOVE, WM_NCMBUTTONDOWN, WM_MOUSEHWHEEL, WM_XBUTTONDOWN,
                             WM_SETCURSOR,   0x0118,         WM_APP + 1,       WM_USER,       WM_INPUT,
                             WM_MOUSELEAVE,  WM_KEYLAST};

const WORD KeyFlags[] = {MK_LBUTTON, MK_RBUTTON, MK_SHIFT, MK_CONTROL, MK_MBUTTON};

constexpr WPARAM NonConvertKey = 0x1D;
constexpr float Inf = std::numeric_limits<float>::infinity();
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

WORD RandomKeyState(SoakRandom& random)
{
    if (random.OneIn(10))
        return MK_MBUTTON;  // the ModelingMode pointer motion
    WORD keys = 0;
    for (WORD flag : KeyFlags) {
        if (random.OneIn(3))
            keys |= flag;
    }
    if (random.OneIn(20))
        keys |= static_cast<WORD>(random.Bits());
    return keys;
}

LPARAM Packed(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

// A client position of the figure window, or a little off it, or anything.
LPARAM ClientPosition(SoakRandom& random, HWND figure)
{
    if (random.OneIn(8))
        return static_cast<LPARAM>(random.Bits());
    RECT client{};
    GetClientRect(figure, &client);
    return Packed(random.Between(client.left - 40, client.right + 40), random.Between(client.top - 40, client.bottom + 40));
}

short WheelDelta(SoakRandom& random)
{
    const short deltas[] = {120, -120, 120, -120, 240, -240, 0, 1, -1, SHRT_MAX, SHRT_MIN};
    if (random.OneIn(10))
        return static_cast<short>(random.Bits());
    return random.Pick(deltas);
}

HWND Target(SoakRandom& random, const SoakWindows& windows)
{
    switch (random.Below(12)) {
    case 0:
        return windows.main;
    case 1:
        return windows.control;
    case 2:
        return windows.statusBar;
    case 3:
        return nullptr;
    case 4:
        return reinterpret_cast<HWND>(static_cast<uintptr_t>(random.Bits()));
    default:
        return windows.figure;
    }
}

float Ordinary(SoakRandom& random, float range)
{
    return (random.Unit() * 2.0f - 1.0f) * range;
}

float Extreme(SoakRandom& random)
{
    const float values[] = {1e30f, -1e30f, 3e38f, -3e38f, 1e-30f, -1e-38f, 1e-45f, 0.0f, -0.0f, 65504.0f};
    return random.Pick(values);
}

float NotFinite(SoakRandom& random)
{
    const float values[] = {Inf, -Inf, NaN};
    return random.Pick(values);
}

// How far from an ordinary camera a new host world goes.
enum class Oddity { Ordinary, Extreme, Broken };

float Coordinate(SoakRandom& random, Oddity oddity)
{
    if (oddity == Oddity::Broken && random.OneIn(3))
        return NotFinite(random);
    if (oddity != Oddity::Ordinary && random.OneIn(3))
        return Extreme(random);
    return Ordinary(random, 200.0f);
}

SandboxPoint Point(SoakRandom& random, Oddity oddity)
{
    return SandboxPoint{Coordinate(random, oddity), Coordinate(random, oddity), Coordinate(random, oddity)};
}

float Zoom(SoakRandom& random, Oddity oddity)
{
    if (oddity == Oddity::Broken && random.OneIn(2))
        return NotFinite(random);
    if (oddity == Oddity::Extreme && random.OneIn(2)) {
        const float zooms[] = {9.0f, 720.0f, 8.999f, 720.001f, 0.0f, -35.0f, 1e6f, 3e38f};
        return random.Pick(zooms);
    }
    return 9.0f + random.Unit() * 711.0f;
}

float Bank(SoakRandom& random, Oddity oddity)
{
    if (oddity == Oddity::Broken && random.OneIn(2))
        return NotFinite(random);
    if (oddity == Oddity::Extreme && random.OneIn(2)) {
        const float banks[] = {3.1415927f, -3.1415927f, 3.15f, -3.2f, 100.0f, -3e38f};
        return random.Pick(banks);
    }
    return Ordinary(random, 3.1415927f);
}

void Identity(float* m)
{
    for (int i = 0; i < 16; ++i)
        m[i] = i % 5 == 0 ? 1.0f : 0.0f;
}

// Mostly a rotation-like matrix with a translation; sometimes singular, with
// a zero or odd [3][3], or not finite.
void Matrix(SoakRandom& random, Oddity oddity, float* m)
{
    Identity(m);
    if (random.OneIn(3))
        return;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            m[row * 4 + column] = Ordinary(random, 1.0f);
        m[12 + row] = Coordinate(random, oddity);
    }
    if (oddity == Oddity::Ordinary)
        return;
    switch (random.Below(4)) {
    case 0:
        for (int column = 0; column < 4; ++column)
            m[4 + column] = 0.0f;  // a zero row: singular
        break;
    case 1:
        m[15] = random.OneIn(2) ? 0.0f : Coordinate(random, oddity);
        break;
    case 2:
        m[random.Below(16)] = oddity == Oddity::Broken ? NotFinite(random) : Extreme(random);
        break;
    default:
        break;
    }
}

}  // namespace

bool IsHookedNumber(UINT message)
{
    for (UINT number : HookedNumbers) {
        if (number == message)
            return true;
    }
    return false;
}

MSG RandomMessage(SoakRandom& random, const SoakWindows& windows, POINT pointer, UINT_PTR timerId)
{
    MSG message{};
    message.time = static_cast<DWORD>(random.Bits());
    message.pt = pointer;
    const uint32_t kind = random.Below(100);
    if (kind < 75)
        message.message = random.Pick(HookedNumbers);
    else if (kind < 95)
        message.message = random.Pick(OtherNumbers);
    else if (kind < 98)
        message.message = WM_USER + random.Below(0x7C00);
    else
        message.message = static_cast<UINT>(random.Bits());
    message.hwnd = Target(random, windows);

    switch (message.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        message.wParam = random.OneIn(5) ? static_cast<WPARAM>(random.Below(256)) : NonConvertKey;
        message.lParam = static_cast<LPARAM>(random.Bits() & 0xFFFFFFFFu);
        break;
    case WM_TIMER:
        message.wParam = random.OneIn(2) ? timerId : (random.OneIn(2) ? 2 : static_cast<WPARAM>(random.Bits()));
        message.lParam = ClientPosition(random, windows.figure);
        break;
    case WM_MOUSEWHEEL:
        message.wParam = MAKEWPARAM(RandomKeyState(random), static_cast<WORD>(WheelDelta(random)));
        message.lParam = random.OneIn(5) ? static_cast<LPARAM>(random.Bits()) : Packed(pointer.x, pointer.y);
        break;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        message.wParam = random.OneIn(20) ? static_cast<WPARAM>(random.Bits()) : RandomKeyState(random);
        message.lParam = ClientPosition(random, windows.figure);
        // Middle presses mostly at one point, where a second one is a double click.
        if ((message.message == WM_MBUTTONDOWN || message.message == WM_MBUTTONDBLCLK) && !random.OneIn(4))
            message.lParam = Packed(10, 10);
        break;
    default:
        message.wParam = static_cast<WPARAM>(random.Bits());
        message.lParam = static_cast<LPARAM>(random.Bits());
        break;
    }
    return message;
}

POINT RandomPointer(SoakRandom& random, const SandboxHostState& host, const RECT& figureOnScreen, POINT previous)
{
    const SandboxRect& pane = host.paneRects[random.Below(4)];
    const int insideX = pane.right - pane.left > 2 ? random.Between(pane.left + 1, pane.right - 1) : pane.left;
    const int insideY = pane.bottom - pane.top > 18 ? random.Between(pane.top + 17, pane.bottom - 1) : pane.bottom;
    switch (random.Below(12)) {
    case 0:
    case 1:
    case 2:
    case 3:
        return POINT{insideX, insideY};
    case 4: {
        // Exactly on an edge or the title line, which are outside the pane.
        const int edges[] = {pane.left, pane.right};
        const int lines[] = {pane.bottom, pane.top + 16};
        if (random.OneIn(2))
            return POINT{random.Pick(edges), insideY};
        return POINT{insideX, random.Pick(lines)};
    }
    case 5:
        return POINT{insideX, random.Between(pane.top, pane.top + 16)};  // the title bar
    case 6:
    case 7:
        return POINT{random.Between(figureOnScreen.left - 100, figureOnScreen.right + 100),
                     random.Between(figureOnScreen.top - 100, figureOnScreen.bottom + 100)};
    case 8:
        return POINT{random.Between(-3000, -1), random.Between(-3000, 600)};  // left of or above the primary monitor
    case 9:
        return POINT{random.Between(-40000, 40000), random.Between(-40000, 40000)};
    default:
        return previous;
    }
}

void RandomiseSettings(SoakRandom& random)
{
    const int32_t options[] = {0, 1, 2, 3, 0, 1, 2, 3, -1, 4, 7, INT_MIN, INT_MAX};
    const int32_t rotations[] = {1, -1, 1, -1, 0, 2, -2, 0x10001, -32768, INT_MIN, INT_MAX};
    const int32_t switches[] = {0, 0, 0, 1, 1, 2, INT_MIN};
    int32_t* fields[] = {&PluginSettings.Option1,  &PluginSettings.Option2,  &PluginSettings.Option3,
                         &PluginSettings.Option4,  &PluginSettings.Option5,  &PluginSettings.Option6,
                         &PluginSettings.Option7,  &PluginSettings.Option8,  &PluginSettings.Option9,
                         &PluginSettings.Option10, &PluginSettings.Option11, &PluginSettings.Option12,
                         &PluginSettings.Option13};
    for (int32_t* field : fields)
        *field = random.OneIn(10) ? static_cast<int32_t>(random.Bits()) : random.Pick(options);
    PluginSettings.Rotate = random.OneIn(10) ? static_cast<int32_t>(random.Bits()) : random.Pick(rotations);
    PluginSettings.PerspectiveOnly = random.Pick(switches);
}

void RandomiseHostWorld(SoakRandom& random, SandboxHostState& host)
{
    const uint32_t draw = random.Below(10);
    const Oddity oddity = draw < 7 ? Oddity::Ordinary : (draw < 9 ? Oddity::Extreme : Oddity::Broken);
    host.eye = Point(random, oddity);
    host.target = oddity != Oddity::Ordinary && random.OneIn(3) ? host.eye : Point(random, oddity);
    host.zoom = Zoom(random, oddity);
    host.bank = Bank(random, oddity);
    Matrix(random, oddity, host.viewMatrix);
    host.drawingCentre = Point(random, oddity);
    host.cursorPosition = Point(random, oddity);
    host.shapeCount = random.OneIn(10) ? SandboxMaxShapes : random.Between(0, 4);
    for (int i = 0; i < host.shapeCount; ++i) {
        SandboxShape& shape = host.shapes[i];
        shape.centre = Point(random, oddity);
        Matrix(random, oddity, shape.transformation);
        shape.isPart = random.OneIn(2);
        shape.active = !random.OneIn(3);
    }
}

void RandomisePaneTypes(SoakRandom& random, SandboxHostState& host)
{
    const int types[] = {0, 1, 2, 3, 3, 4, -1};
    for (int& type : host.paneTypes)
        type = random.Pick(types);
}

int RandomFailingOperation(SoakRandom& random)
{
    static_assert(SandboxReleaseScene + 3 == SandboxOperationCount, "the three releases come last");
    return static_cast<int>(random.Below(SandboxReleaseScene));
}
