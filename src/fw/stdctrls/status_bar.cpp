#include "fw/stdctrls/status_bar.h"

#include <vector>

#include "plat/controls/status_bar_messages.h"
#include "plat/message_queue.h"
#include "plat/window.h"

namespace fw {

using namespace plat;

namespace {

// The part's text with the tabs that place it centred or on the right.
std::string PlacedText(const std::string& text, TAlignment alignment)
{
    if (alignment == taCenter) return "\t" + text;
    if (alignment == taRightJustify) return "\t\t" + text;
    return text;
}

TCollectionItem* MakePanel(TCollection* collection) { return new TStatusPanel(collection); }

}  // namespace

void TStatusPanel::SetText(std::string_view text)
{
    if (text_ == text) return;
    text_ = text;
    Changed(false);
}

void TStatusPanel::SetWidth(int width)
{
    if (width < 0) width = 0;
    if (width_ == width) return;
    width_ = width;
    Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment alignment)
{
    if (alignment_ == alignment) return;
    alignment_ = alignment;
    Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel)
{
    if (bevel_ == bevel) return;
    bevel_ = bevel;
    Changed(false);
}

void TStatusPanel::Assign(const TPersistent& source)
{
    const auto* other = As<TStatusPanel>(&source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    text_ = other->text_;
    width_ = other->width_;
    alignment_ = other->alignment_;
    bevel_ = other->bevel_;
    Changed(true);
}

TStatusPanels::TStatusPanels(TStatusBar* bar) : TCollection(bar, MakePanel), bar_(bar) {}

void TStatusPanels::Update(TCollectionItem*) { bar_->UpdatePanels(); }

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner), panels_(new TStatusPanels(this))
{
    SetControlStyle({csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque});
    SetColor(clBtnFace);
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar()
{
    // The panels' last change notice must not reach a half-gone list.
    TStatusPanels* panels = panels_;
    panels_ = nullptr;
    delete panels;
}

void TStatusBar::SetSimplePanel(bool on)
{
    if (simplePanel_ == on) return;
    simplePanel_ = on;
    if (HandleAllocated()) SendMessage(WindowHandle(), SB_SIMPLE, on, 0);
    Invalidate();
}

void TStatusBar::SetSimpleText(std::string_view text)
{
    if (simpleText_ == text) return;
    simpleText_ = text;
    UpdateSimpleText();
}

void TStatusBar::SetSizeGrip(bool on)
{
    if (sizeGrip_ == on) return;
    sizeGrip_ = on;
    RecreateWnd();
}

void TStatusBar::UpdateSimpleText()
{
    if (HandleAllocated())
        SendMessage(WindowHandle(), SB_SETTEXT, SB_SIMPLEID | SBT_NOBORDERS, LPARAM(simpleText_.c_str()));
}

void TStatusBar::UpdatePanels()
{
    if (!HandleAllocated() || !panels_) return;
    HWND h = WindowHandle();
    int count = std::min(panels_->Count(), kStatusBarMaxParts);
    std::vector<int> edges;
    int right = 0;
    for (int i = 0; i < count; ++i) {
        right += panels_->Items(i)->Width();
        edges.push_back(i == count - 1 ? -1 : right);
    }
    if (count == 0) edges.push_back(-1);
    SendMessage(h, SB_SETPARTS, WPARAM(edges.size()), LPARAM(edges.data()));
    for (int i = 0; i < count; ++i) {
        TStatusPanel* p = panels_->Items(i);
        WPARAM flags = WPARAM(i);
        if (p->Bevel() == pbNone) flags |= SBT_NOBORDERS;
        if (p->Bevel() == pbRaised) flags |= SBT_POPOUT;
        std::string text = PlacedText(p->Text(), p->Alignment());
        SendMessage(h, SB_SETTEXT, flags, LPARAM(text.c_str()));
    }
}

void TStatusBar::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.PlatformClass = "msctls_statusbar32";
    // The framework places the bar (Align); the window only keeps its height.
    p.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
    if (sizeGrip_) p.Style |= SBARS_SIZEGRIP;
}

void TStatusBar::CreateWnd()
{
    TWinControl::CreateWnd();
    UpdatePanels();
    UpdateSimpleText();
    if (simplePanel_) SendMessage(WindowHandle(), SB_SIMPLE, TRUE, 0);
}

void TStatusBar::Dispatch(TMessage& m)
{
    if (m.Msg == WM_SIZE) {
        TWinControl::Dispatch(m);
        Invalidate();  // parts stretched to the end and the grip move with the size
        return;
    }
    TWinControl::Dispatch(m);
}

}  // namespace fw
