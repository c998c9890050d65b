#pragma once

#include <QString>
#include <QVariant>
#include <QStringList>
#include <memory>
#include <stdexcept>
#include <vector>

// Thin RAII wrappers over the Firebird 3 client's object API. Everything is
// dialect 1, user SYSDBA; text crosses as Windows-1252 and becomes QString here.
namespace fb {

// A database error; what() is Firebird's own message text.
class Error : public std::runtime_error
{
public:
    explicit Error(const QString &message, long code = 0)
        : std::runtime_error(message.toStdString()), m_message(message), m_code(code) {}
    QString message() const { return m_message; }
    long code() const { return m_code; }      // Firebird's error code (isc_...)
    bool isUpdateConflict() const;            // another workstation holds the row (nowait)
private:
    QString m_message;
    long m_code;
};

enum class ValueType { Integer, BigInt, Double, Text, Timestamp, Other };

struct ColumnInfo {
    QString name;     // alias as the statement names it, upper-case
    ValueType type = ValueType::Other;
    int length = 0;   // characters, for text
};

class Connection;

// An open result set. Rows are fetched one at a time, when asked for.
class Cursor
{
public:
    ~Cursor();
    const std::vector<ColumnInfo> &columns() const;
    // Reads the next row; false when there are no more. The cursor closes itself at the end.
    bool fetch(std::vector<QVariant> &row);
    bool atEnd() const;
private:
    friend class Connection;
    struct Private;
    explicit Cursor(std::unique_ptr<Private> d);
    std::unique_ptr<Private> d;
};

class Connection
{
public:
    static constexpr const char *kUser = "SYSDBA";
    static constexpr const char *kPassword = "dbsecret7";

    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // A plain path opens the file with the embedded engine; "host:path" goes to a server.
    void open(const QString &databaseName);
    // Commits a transaction still open, then detaches.
    void close();
    bool isOpen() const;
    QString databaseName() const;

    // Creates a new, empty dialect-1 database file, then detaches from it.
    static void createDatabase(const QString &databaseName);

    // The one transaction (read_committed, rec_version, nowait), started by the
    // first statement.
    bool inTransaction() const;
    void commitRetaining();
    void rollbackRetaining();
    void commit();

    // Statements. Parameters are bound by position ('?').
    void execute(const QString &sql, const QVariantList &params = {});
    std::unique_ptr<Cursor> openCursor(const QString &sql, const QVariantList &params = {});
    // Convenience: the first column of the first row, or null.
    QVariant scalar(const QString &sql, const QVariantList &params = {});

private:
    struct Private;
    std::unique_ptr<Private> d;
};

// Windows-1252 <-> QString, the only place text changes encoding.
QByteArray toWin1252(const QString &text);
QString fromWin1252(const QByteArray &bytes);

} // namespace fb
