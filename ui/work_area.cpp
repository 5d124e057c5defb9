#include "ui/work_area.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

LONG Saturated(int64_t value)
{
    return static_cast<LONG>(std::max<int64_t>(INT32_MIN, std::min<int64_t>(value, INT32_MAX)));
}

}  // namespace

POINT PlaceOnWorkArea(POINT place, SIZE size)
{
    const RECT wanted = {place.x, place.y, Saturated(int64_t{place.x} + size.cx),
                         Saturated(int64_t{place.y} + size.cy)};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &monitor))
        return place;
    const RECT& work = monitor.rcWork;
    return POINT{std::max(work.left, Saturated(std::min<int64_t>(place.x, int64_t{work.right} - size.cx))),
                 std::max(work.top, Saturated(std::min<int64_t>(place.y, int64_t{work.bottom} - size.cy)))};
}
