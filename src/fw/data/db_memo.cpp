#include "fw/data/db_memo.h"

#include "fw/data/data_source.h"
#include "fw/data/memo_text.h"

namespace fw {

TDBMemo::TDBMemo(TComponent* owner) : TCustomMemo(owner) {
    SetReadOnly(true);
    link_.SetControl(this);
    link_.OnDataChange = [this] { DataChange(); };
    link_.OnActiveChange = [this] { DataChange(); };
}

TDBMemo::~TDBMemo() {
    // The link must not call back into a memo that is half gone.
    link_.OnDataChange = nullptr;
    link_.OnActiveChange = nullptr;
    link_.SetDataSource(nullptr);
}

void TDBMemo::SetDataSource(TDataSource* source) {
    if (source == link_.DataSource()) return;
    if (TDataSource* old = link_.DataSource()) old->RemoveFreeNotification(this);
    link_.SetDataSource(source);
    if (source) source->FreeNotification(this);
    DataChange();
}

void TDBMemo::Notification(TComponent* component, TOperation operation) {
    TCustomMemo::Notification(component, operation);
    if (operation == opRemove && component == link_.DataSource()) SetDataSource(nullptr);
}

void TDBMemo::DataChange() {
    const std::string text = DataBoundMemoText(link_);
    if (text != Text()) SetText(text);
}

}  // namespace fw
