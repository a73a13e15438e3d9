#pragma once

#include <string_view>

#include "plat/controls/edit_state.h"

// Changes to the edit's text and selection by the user and by messages. Each answers false when
// the parent destroyed the edit while hearing of the change, so the caller stops.
namespace plat::edit {

bool TextChanged(HWND hwnd, EditState& st, bool byUser);
void SelectionChanged(HWND hwnd, EditState& st);
bool Copy(HWND hwnd, EditState& st);
bool ReplaceSelection(HWND hwnd, EditState& st, std::string_view utf8, bool canUndo);
void Cut(HWND hwnd, EditState& st);
void Paste(HWND hwnd, EditState& st);
void Undo(HWND hwnd, EditState& st);
void TypeChar(HWND hwnd, EditState& st, char32_t c);

}  // namespace plat::edit
