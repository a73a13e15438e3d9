#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "plat/handle.h"

namespace plat {

// Each object added anywhere gets a generation never given before in this process, so a handle
// outliving its object (or the whole run of the window system) never matches a later one.
inline std::uint32_t NextHandleGeneration()
{
    static std::uint32_t last = 0;
    if (++last == 0) ++last;  // 0 is never a generation
    return last;
}

// Owns objects reached by handles. Freed slots are reused with a fresh generation.
template <class H, class T>
class HandleTable {
public:
    H add(std::unique_ptr<T> object)
    {
        std::uint32_t index;
        if (!free_.empty()) {
            index = free_.back();
            free_.pop_back();
        } else {
            index = std::uint32_t(slots_.size());
            slots_.push_back({});
        }
        Slot& s = slots_[index];
        s.object = std::move(object);
        s.generation = NextHandleGeneration();
        return H::make(index + 1, s.generation);
    }

    T* get(H h) const
    {
        if (!h) return nullptr;
        std::uint32_t index = h.index() - 1;
        if (index >= slots_.size()) return nullptr;
        const Slot& s = slots_[index];
        return s.object && s.generation == h.generation() ? s.object.get() : nullptr;
    }

    // Takes the object out; the handle and every copy of it are stale from now on.
    std::unique_ptr<T> remove(H h)
    {
        if (!get(h)) return nullptr;
        Slot& s = slots_[h.index() - 1];
        s.generation = 0;
        free_.push_back(h.index() - 1);
        return std::move(s.object);
    }

    template <class F>
    void forEach(F&& f) const
    {
        for (std::uint32_t i = 0; i < slots_.size(); ++i)
            if (slots_[i].object) f(H::make(i + 1, slots_[i].generation), *slots_[i].object);
    }

private:
    struct Slot {
        std::unique_ptr<T> object;
        std::uint32_t generation = 0;
    };
    std::vector<Slot> slots_;
    std::vector<std::uint32_t> free_;
};

}  // namespace plat
