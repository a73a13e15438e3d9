#pragma once

namespace fw {

// How text sits in its box: fields, memos, labels and grid columns share it.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
using enum TAlignment;

}  // namespace fw
