#pragma once

// The whole window system.
#include "plat/hook.h"
#include "plat/input.h"
#include "plat/message_codes.h"
#include "plat/message_queue.h"
#include "plat/messages.h"
#include "plat/paint.h"
#include "plat/timer.h"
#include "plat/virtual_keys.h"
#include "plat/window.h"
#include "plat/window_pos.h"
#include "plat/window_styles.h"
#include "plat/window_system.h"
#include "plat/wnd_proc.h"
