#pragma once

#include <string_view>

namespace fw {

// What a framework class says about itself: its name, its parent class and the published
// properties it adds. Adapters decide by these ("is it a TCustomEdit?", "does it publish
// OptionsEh?"), so they work for classes they were never compiled against.
struct TClassInfo {
    std::string_view name;
    const TClassInfo* parent = nullptr;
    const char* const* published = nullptr;  // null-terminated

    bool InheritsFrom(std::string_view className) const;
    bool InheritsFrom(const TClassInfo& other) const;
    bool Publishes(std::string_view property) const;  // by this class or one of its ancestors
};

}  // namespace fw

// Declares a framework class's identity inside its body; the optional arguments name the
// published properties the class adds.
#define FW_CLASS(Name, Parent, ...)                                                            \
public:                                                                                        \
    static const ::fw::TClassInfo& StaticClassInfo()                                           \
    {                                                                                          \
        static constexpr const char* published[] = {__VA_ARGS__ __VA_OPT__(, ) nullptr};       \
        static const ::fw::TClassInfo info{#Name, &Parent::StaticClassInfo(), published};    \
        return info;                                                                           \
    }                                                                                          \
    const ::fw::TClassInfo& ClassInfo() const override { return StaticClassInfo(); }          \
                                                                                               \
private:
