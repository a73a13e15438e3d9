#include "fw/controls/cursors.h"

#include "plat/input.h"

namespace fw {

plat::HCURSOR CursorHandle(TCursor cursor)
{
    using namespace plat;
    switch (cursor) {
    case crArrow: return LoadCursor(IDC_ARROW);
    case crCross: return LoadCursor(IDC_CROSS);
    case crIBeam: return LoadCursor(IDC_IBEAM);
    case crSizeNESW: return LoadCursor(IDC_SIZENESW);
    case crSizeNS: return LoadCursor(IDC_SIZENS);
    case crSizeNWSE: return LoadCursor(IDC_SIZENWSE);
    case crSizeWE: return LoadCursor(IDC_SIZEWE);
    case crHourGlass: return LoadCursor(IDC_WAIT);
    case crNo: return LoadCursor(IDC_NO);
    case crSizeAll: return LoadCursor(IDC_SIZEALL);
    case crHandPoint: return LoadCursor(IDC_HAND);
    default: return {};
    }
}

}  // namespace fw
