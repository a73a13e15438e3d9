#pragma once

namespace gfx {
class Bitmap;
}

namespace paint {

// Where a parent's finished background lies, for a child to show through its key-colour pixels:
// the child's pixel (x, y) sits at (X + x, Y + y) of Bitmap.
struct TsParentCache {
    const gfx::Bitmap* Bitmap = nullptr;
    int X = 0;
    int Y = 0;
    bool Ready = false;

    bool usable() const { return Ready && Bitmap != nullptr; }
};

}  // namespace paint
