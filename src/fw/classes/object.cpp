#include "fw/classes/object.h"

#include <string>

#include "base/error.h"

namespace fw {

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& dest) const
{
    throw base::Error("Cannot assign a " + std::string(ClassName()) + " to a " + std::string(dest.ClassName()));
}

}  // namespace fw
