#pragma once

#include <vector>

#include "fw/classes/component.h"
#include "fw/classes/events.h"
#include "fw/controls/control_types.h"
#include "fw/graphics/font.h"
#include "plat/gdi/gdi_types.h"
#include "plat/handle.h"

namespace fw {

class TCustomForm;
class TWinControl;

// The program's view of the screen: its forms, the active form and control, the pointer shape
// that overrides every control's, the work area and the menu font. The application owns it.
class TScreen : public TComponent {
    FW_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* owner);

    int FormCount() const { return int(forms_.size()); }
    TCustomForm* Forms(int index) const;  // raises base::Error outside the list
    TCustomForm* ActiveForm() const { return activeForm_; }
    TWinControl* ActiveControl() const { return activeControl_; }

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    plat::HCURSOR Cursors(TCursor cursor) const;

    int Width() const;
    int Height() const;
    plat::RECT WorkAreaRect() const;
    int WorkAreaLeft() const { return WorkAreaRect().left; }
    int WorkAreaTop() const { return WorkAreaRect().top; }
    int WorkAreaWidth() const { return WorkAreaRect().width(); }
    int WorkAreaHeight() const { return WorkAreaRect().height(); }
    TFont* MenuFont() { return &menuFont_; }

    TNotifyEvent OnActiveFormChange;
    TNotifyEvent OnActiveControlChange;

private:
    friend class TCustomForm;
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void SetActiveForm(TCustomForm* form);
    void SetActiveControl(TWinControl* control);

    std::vector<TCustomForm*> forms_;
    TCustomForm* activeForm_ = nullptr;
    TWinControl* activeControl_ = nullptr;
    TCursor cursor_ = crDefault;
    TFont menuFont_;
};

}  // namespace fw
