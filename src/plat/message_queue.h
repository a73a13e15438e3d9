#pragma once

#include "plat/handle.h"
#include "plat/messages.h"
#include "plat/types.h"

namespace plat {

// Sends straight to the window's procedure (re-entrant); 0 for a stale handle.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Sends to every top-level window.
void BroadcastMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues for the thread's loop; a null handle gives a thread message. FALSE for a stale handle.
BOOL PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int exitCode);

// The loop's calls. Order: posted messages, WM_QUIT, input from the backend, WM_PAINT, WM_TIMER.
// GetMessage waits for input through the backend; it answers 0 for WM_QUIT. When the backend
// can never deliver more input (a headless script that has run out), it throws base::Error
// rather than wait for ever.
// filterWindow / min / max restrict what is taken (0, 0 means every message).
BOOL GetMessage(MSG* msg, HWND filterWindow = {}, UINT min = 0, UINT max = 0);
constexpr UINT PM_NOREMOVE = 0;
constexpr UINT PM_REMOVE = 1;
BOOL PeekMessage(MSG* msg, HWND filterWindow = {}, UINT min = 0, UINT max = 0, UINT remove = PM_REMOVE);
// Waits (through the backend) until something is queued or the timeout passes.
BOOL WaitMessage(DWORD timeoutMs = 0xFFFFFFFF);
// Makes WM_CHAR / WM_SYSCHAR after key-downs of keys that type something.
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
// A whole message loop until WM_QUIT; the exit code.
int RunMessageLoop();

// What the thread is in the middle of.
BOOL InSendMessage();
DWORD GetMessageTime();
POINT GetMessagePos();
// Milliseconds from the backend's clock.
DWORD GetTickCount();

}  // namespace plat
