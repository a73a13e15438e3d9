#include "fw/data/memo_text.h"

#include "fw/data/data_set.h"
#include "fw/data/field_data_link.h"

namespace fw {

std::string DataBoundMemoText(const TFieldDataLink& link) {
    TField* field = link.Active() ? link.Field() : nullptr;
    if (!field) return "";
    const TDataSet* dataSet = field->DataSet();
    if (dataSet->IsEmpty()) return "";
    return field->IsBlob() ? field->AsString() : field->DisplayText();
}

}  // namespace fw
