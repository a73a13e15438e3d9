#pragma once

#include <string>
#include <vector>

#include "fw/data/data_set.h"

namespace fw {

class TADOConnection;

enum class TCursorType { ctUnspecified, ctOpenForwardOnly, ctKeyset, ctDynamic, ctStatic };
using enum TCursorType;

class TADOQuery;

// The query's SQL text as lines. Changing it closes an open query, so the text of an open
// query is always the one that made its result.
class TQuerySQL {
public:
    explicit TQuerySQL(TADOQuery& query) : query_(query) {}
    int Count() const { return int(lines_.size()); }
    const std::string& operator[](int index) const { return lines_.at(std::size_t(index)); }
    void Clear();
    void Add(std::string line);
    std::string Text() const;  // the lines joined by line breaks
    void SetText(std::string_view text);

private:
    void Changed();
    TADOQuery& query_;
    std::vector<std::string> lines_;
};

// A data set made by running an SQL text on a connection. Its result is a static snapshot:
// the count and every position are known when it opens (whatever CursorType says).
class TADOQuery : public TDataSet {
    FW_CLASS(TADOQuery, TDataSet, "Connection", "CursorType", "SQL")
public:
    explicit TADOQuery(TComponent* owner);
    ~TADOQuery() override;

    TADOConnection* Connection() const { return connection_; }
    void SetConnection(TADOConnection* connection);
    TCursorType CursorType() const { return cursorType_; }
    void SetCursorType(TCursorType type) { cursorType_ = type; }
    TQuerySQL& SQL() { return sql_; }
    const TQuerySQL& SQL() const { return sql_; }

    // Runs the text as a command that returns no rows.
    void ExecSQL();

    void Notification(TComponent* component, TOperation operation) override;

protected:
    std::unique_ptr<RecordCursor> OpenCursor() override;

private:
    friend class TQuerySQL;
    TADOConnection* connection_ = nullptr;
    TCursorType cursorType_ = ctKeyset;
    TQuerySQL sql_{*this};
};

}  // namespace fw
