#include "fw/forms/screen.h"

#include <algorithm>

#include "base/error.h"
#include "fw/controls/cursors.h"
#include "fw/forms/form.h"
#include "plat/input.h"
#include "plat/system/sys_metrics.h"
#include "plat/window_pos.h"

namespace fw {

TScreen::TScreen(TComponent* owner) : TComponent(owner) {}

TCustomForm* TScreen::Forms(int index) const
{
    if (index < 0 || index >= FormCount())
        throw base::Error("List index out of bounds (" + std::to_string(index) + ")");
    return forms_[std::size_t(index)];
}

void TScreen::SetCursor(TCursor cursor)
{
    if (cursor == cursor_) return;
    cursor_ = cursor;
    plat::HCURSOR shape = CursorHandle(cursor == crDefault ? crArrow : cursor);
    if (shape) plat::SetCursor(shape);
}

plat::HCURSOR TScreen::Cursors(TCursor cursor) const { return CursorHandle(cursor == crDefault ? crArrow : cursor); }

int TScreen::Width() const { return plat::GetScreenRect().width(); }
int TScreen::Height() const { return plat::GetScreenRect().height(); }
plat::RECT TScreen::WorkAreaRect() const { return plat::GetWorkArea(); }

void TScreen::AddForm(TCustomForm* form)
{
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form)
{
    std::erase(forms_, form);
    if (activeForm_ == form) SetActiveForm(nullptr);
    if (activeControl_ && form->ContainsControl(activeControl_))
        SetActiveControl(nullptr);
}

void TScreen::SetActiveForm(TCustomForm* form)
{
    if (form == activeForm_) return;
    activeForm_ = form;
    // The active form comes first in the list.
    if (form) {
        std::erase(forms_, form);
        forms_.insert(forms_.begin(), form);
    }
    if (OnActiveFormChange) OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* control)
{
    if (control == activeControl_) return;
    activeControl_ = control;
    if (OnActiveControlChange) OnActiveControlChange(this);
}

}  // namespace fw
