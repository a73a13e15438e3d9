#pragma once

struct sqlite3;

namespace fw::sqlite {

// Makes the engine's LIKE (two operands, no ESCAPE) match as LikePattern does, so that a
// statement the engine runs agrees with a search we answer from memory.
void installLikeFunction(sqlite3* db);

}  // namespace fw::sqlite
