#include "fw/data/ado_connection.h"

#include <unistd.h>

#include <algorithm>

#include "base/error.h"
#include "base/file.h"
#include "base/letter_case.h"
#include "base/trim.h"
#include "fw/data/ado_query.h"
#include "fw/data/sqlite/database.h"

namespace fw {
namespace {

std::string currentFolder() {
    std::vector<char> buffer(4096);
    if (!::getcwd(buffer.data(), buffer.size())) return ".";
    return buffer.data();
}

}  // namespace

TADOConnection::TADOConnection(TComponent* owner) : TComponent(owner) {}

TADOConnection::~TADOConnection() {
    Disconnect();
    for (TADOQuery* query : std::vector<TADOQuery*>(queries_)) query->SetConnection(nullptr);
}

void TADOConnection::SetConnectionString(std::string text) {
    if (text == connectionString_) return;
    Disconnect();
    connectionString_ = std::move(text);
}

void TADOConnection::SetMode(TConnectMode mode) {
    if (mode == mode_) return;
    Disconnect();
    mode_ = mode;
}

std::string TADOConnection::Parameter(std::string_view key) const {
    // key=value pairs split by ";"; a value may be quoted with " or ' to hold a ";".
    std::string_view rest = connectionString_;
    while (!rest.empty()) {
        const std::size_t equals = rest.find('=');
        if (equals == std::string_view::npos) break;
        const std::string_view name = base::trim(rest.substr(0, equals));
        rest.remove_prefix(equals + 1);
        const std::string_view valueStart = base::trimLeft(rest);
        std::string value;
        if (!valueStart.empty() && (valueStart.front() == '"' || valueStart.front() == '\'')) {
            const char quote = valueStart.front();
            const std::size_t close = valueStart.find(quote, 1);
            value = std::string(valueStart.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            rest = close == std::string_view::npos ? std::string_view() : valueStart.substr(close + 1);
            const std::size_t semicolon = rest.find(';');
            rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
        } else {
            const std::size_t semicolon = rest.find(';');
            value = std::string(base::trim(rest.substr(0, semicolon)));
            rest = semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
        }
        if (base::equalsIgnoreCase(name, key)) return value;
    }
    return "";
}

std::string TADOConnection::DatabasePath() const {
    if (db_) return resolvedPath_;
    const std::string source = Parameter("Data Source");
    if (source.empty()) return "";
    return source.front() == '/' ? source : base::joinPath(currentFolder(), source);
}

void TADOConnection::SetConnected(bool connected) {
    if (Loading()) {
        streamedConnected_ = connected;
        return;
    }
    if (connected)
        Connect();
    else
        Disconnect();
}

void TADOConnection::Loaded() {
    TComponent::Loaded();
    if (streamedConnected_) {
        streamedConnected_ = false;
        Connect();
    }
}

void TADOConnection::Connect() {
    if (db_) return;
    const std::string path = DatabasePath();
    if (path.empty()) throw base::Error("The connection string names no database file (\"Data Source\")");
    db_ = std::make_shared<sqlite::Database>(path, mode_ == cmRead);
    resolvedPath_ = path;
}

void TADOConnection::Disconnect() {
    if (!db_) return;
    for (TADOQuery* query : std::vector<TADOQuery*>(queries_)) query->Close();
    db_.reset();
}

void TADOConnection::Execute(const std::string& commandText) {
    Database()->execute(commandText);
}

const std::shared_ptr<sqlite::Database>& TADOConnection::Database() {
    Connect();
    return db_;
}

void TADOConnection::AttachQuery(TADOQuery* query) {
    if (std::find(queries_.begin(), queries_.end(), query) == queries_.end()) queries_.push_back(query);
}

void TADOConnection::DetachQuery(TADOQuery* query) { std::erase(queries_, query); }

}  // namespace fw
