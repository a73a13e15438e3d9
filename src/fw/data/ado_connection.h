#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fw/classes/component.h"

namespace fw {

namespace sqlite {
class Database;
}
class TADOQuery;

enum class TConnectMode {
    cmUnknown, cmRead, cmWrite, cmReadWrite, cmShareDenyRead, cmShareDenyWrite, cmShareExclusive, cmShareDenyNone
};
using enum TConnectMode;

// The connection to the database file named by the connection string's "Data Source" (an
// SQLite database; a name without a folder is taken from the current folder when connecting).
// Only an existing database is opened: a missing, unreadable or damaged file raises an error
// that names it. The provider named in the string is kept but not needed.
class TADOConnection : public TComponent {
    FW_CLASS(TADOConnection, TComponent, "ConnectionString", "Connected", "LoginPrompt", "Mode")
public:
    explicit TADOConnection(TComponent* owner);
    ~TADOConnection() override;

    const std::string& ConnectionString() const { return connectionString_; }
    void SetConnectionString(std::string text);  // closes an open connection
    bool LoginPrompt() const { return loginPrompt_; }
    void SetLoginPrompt(bool prompt) { loginPrompt_ = prompt; }  // a database file asks for no login
    TConnectMode Mode() const { return mode_; }
    void SetMode(TConnectMode mode);  // cmRead opens the file for reading only
    // A value of the connection string by key, regardless of case ("" when absent).
    std::string Parameter(std::string_view key) const;
    std::string Provider() const { return Parameter("Provider"); }
    // The file the connection opens, as resolved when it connected (or would be now).
    std::string DatabasePath() const;

    bool Connected() const { return db_ != nullptr; }
    void SetConnected(bool connected);
    void Open() { SetConnected(true); }
    void Close() { SetConnected(false); }  // closes the queries on it first

    // Runs a statement that returns no rows.
    void Execute(const std::string& commandText);

    void Loaded() override;

    // For queries.
    const std::shared_ptr<sqlite::Database>& Database();  // connects when needed
    void AttachQuery(TADOQuery* query);
    void DetachQuery(TADOQuery* query);

private:
    void Connect();
    void Disconnect();

    std::string connectionString_;
    bool loginPrompt_ = true;
    TConnectMode mode_ = cmUnknown;
    bool streamedConnected_ = false;
    std::string resolvedPath_;
    std::shared_ptr<sqlite::Database> db_;
    std::vector<TADOQuery*> queries_;
};

}  // namespace fw
