#pragma once

#include <string>

namespace fw {

class TFieldDataLink;

// What a data-bound memo shows for its link: a long field's whole value (empty without a current
// record), a short field's display text, and nothing when the data set is closed or the field is
// missing. The memo replaces its text with this on every change its link hears of.
std::string DataBoundMemoText(const TFieldDataLink& link);

}  // namespace fw
