#include "fw/data/ado_query.h"

#include "base/error.h"
#include "base/text_file.h"
#include "fw/data/ado_connection.h"
#include "fw/data/sqlite/database.h"
#include "fw/data/sqlite/snapshot.h"

namespace fw {

void TQuerySQL::Changed() {
    if (query_.Active()) query_.Close();
}

void TQuerySQL::Clear() {
    Changed();
    lines_.clear();
}

void TQuerySQL::Add(std::string line) {
    Changed();
    lines_.push_back(std::move(line));
}

std::string TQuerySQL::Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\r\n";
    return text;
}

void TQuerySQL::SetText(std::string_view text) {
    Changed();
    lines_ = base::splitLines(text);
}

TADOQuery::TADOQuery(TComponent* owner) : TDataSet(owner) {}

TADOQuery::~TADOQuery() {
    Close();
    SetConnection(nullptr);
}

void TADOQuery::SetConnection(TADOConnection* connection) {
    if (connection == connection_) return;
    Close();
    if (connection_) {
        connection_->DetachQuery(this);
        RemoveFreeNotification(connection_);
    }
    connection_ = connection;
    if (connection_) {
        connection_->AttachQuery(this);
        connection_->FreeNotification(this);
    }
}

void TADOQuery::Notification(TComponent* component, TOperation operation) {
    TDataSet::Notification(component, operation);
    if (operation == opRemove && component == connection_) {
        Close();
        connection_ = nullptr;
    }
}

std::unique_ptr<RecordCursor> TADOQuery::OpenCursor() {
    if (!connection_) Fail("Missing Connection or ConnectionString");
    return sqlite::openSnapshot(connection_->Database(), sql_.Text());
}

void TADOQuery::ExecSQL() {
    if (!connection_) Fail("Missing Connection or ConnectionString");
    connection_->Execute(sql_.Text());
}

}  // namespace fw
