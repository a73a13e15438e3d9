#include "plat/gdi/dc.h"
#include "plat/gdi/device_context.h"

namespace plat {

using namespace gdi;

namespace {

template <class T, class V>
T exchange(HDC h, T DcState::*field, V value, T failure)
{
    DeviceContext* d = dc(h);
    if (!d) return failure;
    T old = d->state.*field;
    d->state.*field = T(value);
    return old;
}

template <class T>
T read(HDC h, T DcState::*field, T failure)
{
    DeviceContext* d = dc(h);
    return d ? d->state.*field : failure;
}

}  // namespace

COLORREF SetTextColor(HDC h, COLORREF c) { return exchange(h, &DcState::textColor, c & 0xFFFFFF, CLR_INVALID); }
COLORREF GetTextColor(HDC h) { return read(h, &DcState::textColor, CLR_INVALID); }
COLORREF SetBkColor(HDC h, COLORREF c) { return exchange(h, &DcState::bkColor, c & 0xFFFFFF, CLR_INVALID); }
COLORREF GetBkColor(HDC h) { return read(h, &DcState::bkColor, CLR_INVALID); }
COLORREF SetDCBrushColor(HDC h, COLORREF c) { return exchange(h, &DcState::dcBrushColor, c & 0xFFFFFF, CLR_INVALID); }
COLORREF SetDCPenColor(HDC h, COLORREF c) { return exchange(h, &DcState::dcPenColor, c & 0xFFFFFF, CLR_INVALID); }

int SetBkMode(HDC h, int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return exchange(h, &DcState::bkMode, mode, 0);
}
int GetBkMode(HDC h) { return read(h, &DcState::bkMode, 0); }

int SetROP2(HDC h, int rop2)
{
    if (rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
    return exchange(h, &DcState::rop2, rop2, 0);
}
int GetROP2(HDC h) { return read(h, &DcState::rop2, 0); }

int SetStretchBltMode(HDC h, int mode)
{
    if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
    return exchange(h, &DcState::stretchMode, mode, 0);
}
int GetStretchBltMode(HDC h) { return read(h, &DcState::stretchMode, 0); }

UINT SetTextAlign(HDC h, UINT align) { return exchange(h, &DcState::textAlign, align, GDI_ERROR); }
UINT GetTextAlign(HDC h) { return read(h, &DcState::textAlign, GDI_ERROR); }

}  // namespace plat
