#pragma once

#include <cstdint>
#include <optional>

#include "plat/messages.h"

namespace plat {

// The earliest due time of any timer (for backends that let virtual time pass).
std::optional<std::uint64_t> NextTimerDue();
// Takes the first due timer matching the filter as a WM_TIMER message and makes it due again
// one interval later (only when remove).
bool TakeDueTimer(MSG* msg, HWND filter, bool remove);
// Calls the timer's procedure if it has one; false when it has none.
bool RunTimerProc(const MSG& msg);

}  // namespace plat
