#pragma once

#include <functional>
#include <memory>

#include "fw/classes/events.h"
#include "fw/classes/object.h"
#include "plat/handle.h"

namespace fw {

// The base of fonts, brushes and pens: a set of values behind one drawing-object handle, with
// one OnChange that the object's user (a canvas, a control) hooks to hear of every change.
// Assign copies values; who listens is part of the object and is not copied.
class TGraphicsObject : public TPersistent {
    FW_CLASS(TGraphicsObject, TPersistent)
public:

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

protected:
    // Tells the listener; called once per change of value (a setter given the value already
    // held changes nothing and stays quiet).
    virtual void Changed();

private:
    TNotifyEvent onChange_;
};

// A drawing-object handle shared by the object that made it and every device context that
// has it selected: it is deleted when the last of them lets go, so remaking a font while a
// canvas still draws with the old one neither fails nor leaks.
using SharedGdiObject = std::shared_ptr<const plat::HGDIOBJ>;
SharedGdiObject ShareGdiObject(plat::HGDIOBJ object);

}  // namespace fw
