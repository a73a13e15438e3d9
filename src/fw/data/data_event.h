#pragma once

#include <cstdint>

namespace fw {

// What a data set tells its data sources and links.
enum class TDataEvent {
    deFieldChange,          // a field's value was set (info: the field)
    deRecordChange,         // the current record's values changed (info: the field, or 0 for all)
    deDataSetChange,        // opened, refreshed, a record deleted or posted: read everything again
    deDataSetScroll,        // the current record moved (each link works out its own distance)
    deLayoutChange,         // the fields changed
    deUpdateRecord,         // controls are to write their pending edits into the fields
    deUpdateState,          // the state (inactive, browse, edit, insert) changed
    deCheckBrowseMode,      // the record is about to leave edit mode
    deFocusControl,         // a field's control is asked to take the focus (info: the field)
    deDisabledStateChange,  // DisableControls began (info 1) or EnableControls ended (info 0)
};
using enum TDataEvent;

}  // namespace fw
