#include "plat/window/window_limits.h"

#include <algorithm>

#include "plat/system/sys_metrics.h"
#include "plat/window/frame_metrics.h"

namespace plat {

RECT ClampWindowRect(int x, int y, int width, int height)
{
    constexpr int kFar = 1 << 20;
    return RECT::fromSize(std::clamp(x, -kFar, kFar), std::clamp(y, -kFar, kFar), std::clamp(width, 0, kMaxWindowSize),
                          std::clamp(height, 0, kMaxWindowSize));
}

MINMAXINFO DefaultMinMaxInfo(const Window& w)
{
    FrameMetrics f = FrameMetricsFor(w.style, w.exStyle);
    RECT work = GetWorkArea();
    MINMAXINFO m;
    m.ptMaxSize = {work.width() + 2 * f.border, work.height() + 2 * f.border};
    m.ptMaxPosition = {work.left - f.border, work.top - f.border};
    m.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    m.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    if (m.ptMaxTrackSize.x <= 0) m.ptMaxTrackSize = {GetSystemMetrics(SM_CXSCREEN) + 12, GetSystemMetrics(SM_CYSCREEN) + 12};
    return m;
}

}  // namespace plat
