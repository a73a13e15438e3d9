#pragma once

#include <string_view>

#include "fw/classes/class_info.h"

namespace fw {

// The root of every framework class: it knows its class by name and by ancestry.
class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClassInfo()
    {
        static constexpr TClassInfo info{"TObject", nullptr, nullptr};
        return info;
    }
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }

    std::string_view ClassName() const { return ClassInfo().name; }
    bool InheritsFrom(std::string_view className) const { return ClassInfo().InheritsFrom(className); }
    template <class T>
    bool Is() const
    {
        return dynamic_cast<const T*>(this) != nullptr;
    }
    bool PublishesProperty(std::string_view name) const { return ClassInfo().Publishes(name); }
};

// The checked downcast: null when `object` is not a T.
template <class T>
T* As(TObject* object)
{
    return dynamic_cast<T*>(object);
}
template <class T>
const T* As(const TObject* object)
{
    return dynamic_cast<const T*>(object);
}

// Objects whose value can be copied from another of a compatible class.
class TPersistent : public TObject {
    FW_CLASS(TPersistent, TObject)
public:
    // Copies `source` into this object; raises base::Error when the classes do not fit.
    virtual void Assign(const TPersistent& source);

protected:
    // The other direction, asked when this class cannot take `source`.
    virtual void AssignTo(TPersistent& dest) const;
};

}  // namespace fw
