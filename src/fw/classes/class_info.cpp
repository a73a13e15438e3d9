#include "fw/classes/class_info.h"

#include "base/letter_case.h"

namespace fw {

// Class and property names compare without regard to case, as the language they come from does.
bool TClassInfo::InheritsFrom(std::string_view className) const
{
    for (const TClassInfo* c = this; c; c = c->parent)
        if (base::equalsIgnoreCase(c->name, className)) return true;
    return false;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const
{
    for (const TClassInfo* c = this; c; c = c->parent)
        if (c == &other) return true;
    return false;
}

bool TClassInfo::Publishes(std::string_view property) const
{
    for (const TClassInfo* c = this; c; c = c->parent)
        for (const char* const* p = c->published; p && *p; ++p)
            if (base::equalsIgnoreCase(*p, property)) return true;
    return false;
}

}  // namespace fw
