#pragma once

namespace fw {

// What a field holds: short text, long text (a memo), numbers, a date, a truth value, bytes.
enum class TFieldType { ftUnknown, ftString, ftMemo, ftInteger, ftFloat, ftDateTime, ftBoolean, ftBlob };
using enum TFieldType;

}  // namespace fw
