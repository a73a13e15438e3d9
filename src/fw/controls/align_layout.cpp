#include <algorithm>
#include <vector>

#include "fw/controls/win_control.h"

namespace fw {

using namespace plat;

namespace {

// Which edge a control docks to decides the order it is stacked in: top ones from the top,
// bottom ones from the bottom, and so on.
int StackKey(const TControl& c)
{
    switch (c.Align()) {
    case alTop: return c.Top();
    case alBottom: return -(c.Top() + c.Height());
    case alLeft: return c.Left();
    case alRight: return -(c.Left() + c.Width());
    default: return 0;
    }
}

}  // namespace

void TWinControl::EnableAlign()
{
    if (alignLevel_ == 0) return;
    if (--alignLevel_ == 0 && alignPending_) Realign();
}

void TWinControl::AlignChild(TControl*)
{
    if (aligning_) return;
    Realign();
}

void TWinControl::Realign()
{
    if (alignLevel_ > 0 || aligning_) {
        alignPending_ = true;
        return;
    }
    alignPending_ = false;
    RECT r = ClientRect();
    AdjustClientRect(r);
    aligning_ = true;
    try {
        AlignControls(nullptr, r);
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

void TWinControl::AdjustClientRect(RECT&) const {}

void TWinControl::AlignControls(TControl*, RECT& rect)
{
    if (controls_.empty()) return;
    std::vector<TControl*> list;
    for (TAlign kind : {alTop, alBottom, alLeft, alRight}) {
        list.clear();
        for (TControl* c : controls_)
            if (c->align_ == kind && c->visible_) list.push_back(c);
        std::stable_sort(list.begin(), list.end(),
                         [](TControl* a, TControl* b) { return StackKey(*a) < StackKey(*b); });
        for (TControl* c : list) {
            int w = c->width_;
            int h = c->height_;
            switch (kind) {
            case alTop:
                c->SetBoundsByLayout(rect.left, rect.top, rect.width(), h);
                rect.top = std::min(rect.bottom, rect.top + c->height_);
                break;
            case alBottom:
                c->SetBoundsByLayout(rect.left, rect.bottom - h, rect.width(), h);
                rect.bottom = std::max(rect.top, rect.bottom - c->height_);
                break;
            case alLeft:
                c->SetBoundsByLayout(rect.left, rect.top, w, rect.height());
                rect.left = std::min(rect.right, rect.left + c->width_);
                break;
            case alRight:
                c->SetBoundsByLayout(rect.right - w, rect.top, w, rect.height());
                rect.right = std::max(rect.left, rect.right - c->width_);
                break;
            default: break;
            }
        }
    }
    for (TControl* c : controls_)
        if (c->align_ == alClient && c->visible_)
            c->SetBoundsByLayout(rect.left, rect.top, rect.width(), rect.height());

    // Freely placed controls keep their distances to the edges they are anchored to.
    RECT client = ClientRect();
    for (TControl* c : controls_) {
        if (c->align_ != alNone || c->anchors_ == kDefaultAnchors || !c->anchorRulesValid_) continue;
        int left = c->left_, top = c->top_, width = c->width_, height = c->height_;
        int pw = client.width(), ph = client.height();
        if (c->anchors_.Contains(akRight)) {
            if (c->anchors_.Contains(akLeft))
                width = std::max(0, pw - c->anchorRight_ - left);
            else
                left = pw - c->anchorRight_ - width;
        } else if (!c->anchors_.Contains(akLeft)) {
            // Neither edge: the centre keeps its share of the width.
            int centre = (c->anchorParentWidth_ - c->anchorRight_ - width / 2 - width % 2);
            left = int(std::int64_t(centre) * pw / c->anchorParentWidth_) - width / 2;
        }
        if (c->anchors_.Contains(akBottom)) {
            if (c->anchors_.Contains(akTop))
                height = std::max(0, ph - c->anchorBottom_ - top);
            else
                top = ph - c->anchorBottom_ - height;
        } else if (!c->anchors_.Contains(akTop)) {
            int centre = (c->anchorParentHeight_ - c->anchorBottom_ - height / 2 - height % 2);
            top = int(std::int64_t(centre) * ph / c->anchorParentHeight_) - height / 2;
        }
        c->SetBoundsByLayout(left, top, width, height);
    }
}

}  // namespace fw
