#pragma once

#include <memory>
#include <utility>
#include <vector>

namespace plat {

// Holds at most one object of each type, made on first use. Objects die in the reverse order of
// their making, so one made while another was being made (a dependency) outlives it.
class PartStore {
public:
    PartStore() = default;
    PartStore(const PartStore&) = delete;
    PartStore& operator=(const PartStore&) = delete;
    ~PartStore() { clear(); }

    template <class T>
    T* find() const
    {
        for (const Entry& e : entries_)
            if (e.key == KeyOf<T>()) return static_cast<T*>(e.object.get());
        return nullptr;
    }

    template <class T>
    T& get()
    {
        if (T* t = find<T>()) return *t;
        auto made = std::make_unique<T>();
        T* t = made.get();
        entries_.push_back(Entry{KeyOf<T>(), Owned(made.release(), [](void* p) { delete static_cast<T*>(p); })});
        return *t;
    }

    // Parts made while others are being destroyed are destroyed as well.
    void clear()
    {
        while (!entries_.empty()) {
            Owned dying = std::move(entries_.back().object);
            entries_.pop_back();
            dying.reset();
        }
    }

private:
    using Key = const void*;
    using Owned = std::unique_ptr<void, void (*)(void*)>;
    struct Entry {
        Key key;
        Owned object;
    };
    template <class T>
    static Key KeyOf()
    {
        return &kTag<T>;
    }
    template <class T>
    static constexpr char kTag = 0;

    std::vector<Entry> entries_;
};

}  // namespace plat
