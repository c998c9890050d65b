#include "firebird.h"

#include <firebird/Interface.h>
#include <ibase.h>

#include <QDateTime>
#include <array>
#include <cstring>

using namespace Firebird;

namespace fb {

// ---------------------------------------------------------------- text

namespace {

// The bytes 0x80..0x9F of Windows-1252; the rest of the code page is Latin-1.
constexpr std::array<char16_t, 32> kWin1252High = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

} // namespace

QString fromWin1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b <= 0x9F ? QChar(kWin1252High[b - 0x80]) : QChar(b));
    }
    return text;
}

QByteArray toWin1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.append(char(u));
            continue;
        }
        char out = '?';
        for (size_t i = 0; i < kWin1252High.size(); ++i)
            if (kWin1252High[i] == u && u != 0xFFFD)
                out = char(0x80 + i);
        bytes.append(out);
    }
    return bytes;
}

bool Error::isUpdateConflict() const
{
    return m_code == isc_lock_conflict || m_code == isc_update_conflict || m_code == isc_deadlock;
}

// ---------------------------------------------------------------- plumbing

namespace {

constexpr unsigned kDialect = 1;

IMaster *master() { return fb_get_master_interface(); }

// Runs a call with a throwing status wrapper and turns Firebird's exception
// into our Error carrying the server's own message.
template <typename F>
auto guarded(F &&call) -> decltype(call(std::declval<ThrowStatusWrapper &>()))
{
    IStatus *raw = master()->getStatus();
    ThrowStatusWrapper status(raw);
    try {
        if constexpr (std::is_void_v<decltype(call(status))>) {
            call(status);
            raw->dispose();
        } else {
            auto result = call(status);
            raw->dispose();
            return result;
        }
    } catch (const FbException &e) {
        char buffer[2048];
        master()->getUtilInterface()->formatStatus(buffer, sizeof buffer, e.getStatus());
        const ISC_STATUS *errors = e.getStatus()->getErrors();
        const long code = (errors && errors[0] == isc_arg_gds) ? long(errors[1]) : 0;
        raw->dispose();
        throw Error(fromWin1252(QByteArray(buffer)).trimmed(), code);
    }
}

template <typename T>
void release(T *&p)
{
    if (p) {
        p->release();
        p = nullptr;
    }
}

QByteArray dpb(ThrowStatusWrapper &st, bool forCreate)
{
    IXpbBuilder *b = master()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::DPB, nullptr, 0);
    b->insertString(&st, isc_dpb_user_name, Connection::kUser);
    b->insertString(&st, isc_dpb_password, Connection::kPassword);
    b->insertString(&st, isc_dpb_lc_ctype, "WIN1252");
    b->insertInt(&st, isc_dpb_sql_dialect, int(kDialect));
    if (forCreate) {
        b->insertString(&st, isc_dpb_set_db_charset, "WIN1252");
        b->insertInt(&st, isc_dpb_page_size, 8192);
    }
    QByteArray bytes(reinterpret_cast<const char *>(b->getBuffer(&st)), int(b->getBufferLength(&st)));
    b->dispose();
    return bytes;
}

// A message buffer laid out by metadata, with helpers to read and write values.
struct Message {
    IMessageMetadata *meta = nullptr;
    std::vector<unsigned char> buffer;

    ~Message() { release(meta); }

    void allocate(ThrowStatusWrapper &st)
    {
        buffer.assign(meta ? meta->getMessageLength(&st) : 0, 0);
    }
    unsigned char *data() { return buffer.empty() ? nullptr : buffer.data(); }
};

// Metadata with every column coerced to a type we read easily: 64-bit
// integers, doubles, varchar text and timestamps.
IMessageMetadata *coerceOutput(ThrowStatusWrapper &st, IMessageMetadata *meta)
{
    IMetadataBuilder *b = meta->getBuilder(&st);
    const unsigned n = meta->getCount(&st);
    for (unsigned i = 0; i < n; ++i) {
        const unsigned type = meta->getType(&st, i) & ~1u;
        const int scale = meta->getScale(&st, i);
        switch (type) {
        case SQL_SHORT:
        case SQL_LONG:
        case SQL_INT64:
            b->setType(&st, i, (scale != 0 ? SQL_DOUBLE : SQL_INT64) | 1);
            b->setLength(&st, i, 8);
            b->setScale(&st, i, 0);
            break;
        case SQL_FLOAT:
        case SQL_D_FLOAT:
        case SQL_DOUBLE:
            b->setType(&st, i, SQL_DOUBLE | 1);
            b->setLength(&st, i, sizeof(double));
            break;
        case SQL_TYPE_DATE:
        case SQL_TYPE_TIME:
        case SQL_TIMESTAMP:
            b->setType(&st, i, SQL_TIMESTAMP | 1);
            b->setLength(&st, i, sizeof(ISC_TIMESTAMP));
            break;
        case SQL_TEXT:
        case SQL_VARYING:
            b->setType(&st, i, SQL_VARYING | 1);
            break;
        default:
            break;
        }
    }
    IMessageMetadata *out = b->getMetadata(&st);
    b->release();
    return out;
}

ValueType valueType(unsigned sqlType)
{
    switch (sqlType & ~1u) {
    case SQL_INT64: return ValueType::BigInt;
    case SQL_DOUBLE: return ValueType::Double;
    case SQL_VARYING: return ValueType::Text;
    case SQL_TIMESTAMP: return ValueType::Timestamp;
    default: return ValueType::Other;
    }
}

ISC_TIMESTAMP encodeTimestamp(const QDateTime &dt)
{
    IUtil *util = master()->getUtilInterface();
    const QDate d = dt.date();
    const QTime t = dt.time();
    ISC_TIMESTAMP ts;
    ts.timestamp_date = util->encodeDate(unsigned(d.year()), unsigned(d.month()), unsigned(d.day()));
    ts.timestamp_time = util->encodeTime(unsigned(t.hour()), unsigned(t.minute()), unsigned(t.second()),
                                         unsigned(t.msec()) * 10);
    return ts;
}

QDateTime decodeTimestamp(const ISC_TIMESTAMP &ts)
{
    IUtil *util = master()->getUtilInterface();
    unsigned y, mo, d, h, mi, s, frac;
    util->decodeDate(ts.timestamp_date, &y, &mo, &d);
    util->decodeTime(ts.timestamp_time, &h, &mi, &s, &frac);
    return QDateTime(QDate(int(y), int(mo), int(d)), QTime(int(h), int(mi), int(s), int(frac / 10)));
}

// Reads column i of a fetched row.
QVariant readValue(ThrowStatusWrapper &st, IMessageMetadata *meta, const unsigned char *buf, unsigned i)
{
    if (*reinterpret_cast<const short *>(buf + meta->getNullOffset(&st, i)))
        return {};
    const unsigned char *p = buf + meta->getOffset(&st, i);
    switch (meta->getType(&st, i) & ~1u) {
    case SQL_INT64: {
        ISC_INT64 v;
        std::memcpy(&v, p, sizeof v);
        return QVariant(qlonglong(v));
    }
    case SQL_DOUBLE: {
        double v;
        std::memcpy(&v, p, sizeof v);
        return QVariant(v);
    }
    case SQL_VARYING: {
        unsigned short len;
        std::memcpy(&len, p, sizeof len);
        return QVariant(fromWin1252(QByteArray(reinterpret_cast<const char *>(p + 2), len)));
    }
    case SQL_TIMESTAMP: {
        ISC_TIMESTAMP ts;
        std::memcpy(&ts, p, sizeof ts);
        return QVariant(decodeTimestamp(ts));
    }
    default:
        return {};
    }
}

// Input metadata shaped after the values we bind, and the buffer holding them.
void bindParams(ThrowStatusWrapper &st, IStatement *stmt, const QVariantList &params, Message &in)
{
    if (params.isEmpty())
        return;
    IMessageMetadata *meta = stmt->getInputMetadata(&st);
    IMetadataBuilder *b = meta->getBuilder(&st);
    meta->release();
    std::vector<QByteArray> texts(size_t(params.size()));
    for (int i = 0; i < params.size(); ++i) {
        const QVariant &v = params[i];
        const unsigned idx = unsigned(i);
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::Bool:
            b->setType(&st, idx, SQL_INT64 | 1);
            b->setLength(&st, idx, sizeof(ISC_INT64));
            b->setScale(&st, idx, 0);
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            b->setType(&st, idx, SQL_DOUBLE | 1);
            b->setLength(&st, idx, sizeof(double));
            b->setScale(&st, idx, 0);
            break;
        case QMetaType::QDateTime:
        case QMetaType::QDate:
            b->setType(&st, idx, SQL_TIMESTAMP | 1);
            b->setLength(&st, idx, sizeof(ISC_TIMESTAMP));
            break;
        default:
            texts[size_t(i)] = toWin1252(v.toString());
            b->setType(&st, idx, SQL_VARYING | 1);
            b->setLength(&st, idx, unsigned(std::max<qsizetype>(1, texts[size_t(i)].size())));
            break;
        }
    }
    in.meta = b->getMetadata(&st);
    b->release();
    in.allocate(st);
    for (int i = 0; i < params.size(); ++i) {
        const QVariant &v = params[i];
        const unsigned idx = unsigned(i);
        unsigned char *p = in.data() + in.meta->getOffset(&st, idx);
        short *nullFlag = reinterpret_cast<short *>(in.data() + in.meta->getNullOffset(&st, idx));
        *nullFlag = v.isNull() ? -1 : 0;
        if (v.isNull())
            continue;
        switch (in.meta->getType(&st, idx) & ~1u) {
        case SQL_INT64: {
            const ISC_INT64 x = v.toLongLong();
            std::memcpy(p, &x, sizeof x);
            break;
        }
        case SQL_DOUBLE: {
            const double x = v.toDouble();
            std::memcpy(p, &x, sizeof x);
            break;
        }
        case SQL_TIMESTAMP: {
            const QDateTime dt = v.typeId() == QMetaType::QDate ? v.toDate().startOfDay() : v.toDateTime();
            const ISC_TIMESTAMP ts = encodeTimestamp(dt);
            std::memcpy(p, &ts, sizeof ts);
            break;
        }
        case SQL_VARYING: {
            const QByteArray &t = texts[size_t(i)];
            const unsigned short len = static_cast<unsigned short>(t.size());
            std::memcpy(p, &len, sizeof len);
            std::memcpy(p + 2, t.constData(), size_t(t.size()));
            break;
        }
        }
    }
}

} // namespace

// ---------------------------------------------------------------- cursor

struct Cursor::Private {
    IStatement *statement = nullptr;
    IResultSet *resultSet = nullptr;
    Message out;
    std::vector<ColumnInfo> columns;
    bool atEnd = false;

    ~Private() { closeAll(); }
    void closeAll()
    {
        if (resultSet) {
            // Closing may fail if the connection went away; nothing is left to do then.
            try { guarded([&](ThrowStatusWrapper &st) { resultSet->close(&st); }); resultSet = nullptr; }
            catch (const Error &) { release(resultSet); }
        }
        if (statement) {
            try { guarded([&](ThrowStatusWrapper &st) { statement->free(&st); }); statement = nullptr; }
            catch (const Error &) { release(statement); }
        }
    }
};

Cursor::Cursor(std::unique_ptr<Private> p) : d(std::move(p)) {}
Cursor::~Cursor() = default;

const std::vector<ColumnInfo> &Cursor::columns() const { return d->columns; }
bool Cursor::atEnd() const { return d->atEnd; }

bool Cursor::fetch(std::vector<QVariant> &row)
{
    if (d->atEnd)
        return false;
    const bool got = guarded([&](ThrowStatusWrapper &st) {
        if (d->resultSet->fetchNext(&st, d->out.data()) != IStatus::RESULT_OK)
            return false;
        row.resize(d->columns.size());
        for (unsigned i = 0; i < d->columns.size(); ++i)
            row[i] = readValue(st, d->out.meta, d->out.data(), i);
        return true;
    });
    if (!got) {
        d->atEnd = true;
        d->closeAll();
    }
    return got;
}

// ---------------------------------------------------------------- connection

struct Connection::Private {
    IAttachment *attachment = nullptr;
    ITransaction *transaction = nullptr;
    QString name;

    ITransaction *ensureTransaction(ThrowStatusWrapper &st)
    {
        if (!transaction) {
            IXpbBuilder *tpb = master()->getUtilInterface()->getXpbBuilder(&st, IXpbBuilder::TPB, nullptr, 0);
            tpb->insertTag(&st, isc_tpb_read_committed);
            tpb->insertTag(&st, isc_tpb_rec_version);
            tpb->insertTag(&st, isc_tpb_nowait);
            tpb->insertTag(&st, isc_tpb_write);
            transaction = attachment->startTransaction(&st, tpb->getBufferLength(&st), tpb->getBuffer(&st));
            tpb->dispose();
        }
        return transaction;
    }

    IAttachment *requireAttachment() const
    {
        if (!attachment)
            throw Error(QStringLiteral("Database not open"));
        return attachment;
    }
};

Connection::Connection() : d(std::make_unique<Private>()) {}

Connection::~Connection()
{
    try {
        close();
    } catch (const Error &) {
        // The server may already be gone; the handles are released below regardless.
    }
    release(d->transaction);
    release(d->attachment);
}

void Connection::open(const QString &databaseName)
{
    close();
    const QByteArray name = toWin1252(databaseName);
    d->attachment = guarded([&](ThrowStatusWrapper &st) {
        const QByteArray params = dpb(st, false);
        IProvider *provider = master()->getDispatcher();
        IAttachment *att = nullptr;
        try {
            att = provider->attachDatabase(&st, name.constData(), unsigned(params.size()),
                                           reinterpret_cast<const unsigned char *>(params.constData()));
        } catch (...) {
            provider->release();
            throw;
        }
        provider->release();
        return att;
    });
    d->name = databaseName;
}

void Connection::createDatabase(const QString &databaseName)
{
    const QByteArray name = toWin1252(databaseName);
    guarded([&](ThrowStatusWrapper &st) {
        const QByteArray params = dpb(st, true);
        IProvider *provider = master()->getDispatcher();
        IAttachment *att = nullptr;
        try {
            att = provider->createDatabase(&st, name.constData(), unsigned(params.size()),
                                           reinterpret_cast<const unsigned char *>(params.constData()));
            att->detach(&st);
        } catch (...) {
            if (att)
                att->release();
            provider->release();
            throw;
        }
        provider->release();
    });
}

void Connection::close()
{
    if (!d->attachment)
        return;
    if (d->transaction)
        commit();
    guarded([&](ThrowStatusWrapper &st) { d->attachment->detach(&st); });
    d->attachment = nullptr;
}

bool Connection::isOpen() const { return d->attachment != nullptr; }
QString Connection::databaseName() const { return d->name; }
bool Connection::inTransaction() const { return d->transaction != nullptr; }

void Connection::commitRetaining()
{
    if (d->transaction)
        guarded([&](ThrowStatusWrapper &st) { d->transaction->commitRetaining(&st); });
}

void Connection::rollbackRetaining()
{
    if (d->transaction)
        guarded([&](ThrowStatusWrapper &st) { d->transaction->rollbackRetaining(&st); });
}

void Connection::commit()
{
    if (!d->transaction)
        return;
    guarded([&](ThrowStatusWrapper &st) { d->transaction->commit(&st); });
    d->transaction = nullptr;
}

void Connection::execute(const QString &sql, const QVariantList &params)
{
    IAttachment *att = d->requireAttachment();
    const QByteArray text = toWin1252(sql);
    guarded([&](ThrowStatusWrapper &st) {
        ITransaction *tra = d->ensureTransaction(st);
        IStatement *stmt = att->prepare(&st, tra, 0, text.constData(), kDialect, 0);
        try {
            Message in;
            bindParams(st, stmt, params, in);
            stmt->execute(&st, tra, in.meta, in.data(), nullptr, nullptr);
        } catch (...) {
            stmt->release();
            throw;
        }
        stmt->free(&st);
    });
}

std::unique_ptr<Cursor> Connection::openCursor(const QString &sql, const QVariantList &params)
{
    IAttachment *att = d->requireAttachment();
    const QByteArray text = toWin1252(sql);
    auto p = std::make_unique<Cursor::Private>();
    guarded([&](ThrowStatusWrapper &st) {
        ITransaction *tra = d->ensureTransaction(st);
        p->statement = att->prepare(&st, tra, 0, text.constData(), kDialect,
                                    IStatement::PREPARE_PREFETCH_METADATA);
        IMessageMetadata *raw = p->statement->getOutputMetadata(&st);
        p->out.meta = coerceOutput(st, raw);
        raw->release();
        p->out.allocate(st);
        const unsigned n = p->out.meta->getCount(&st);
        for (unsigned i = 0; i < n; ++i) {
            ColumnInfo c;
            c.name = QString::fromLatin1(p->out.meta->getAlias(&st, i)).toUpper();
            c.type = valueType(p->out.meta->getType(&st, i));
            c.length = int(p->out.meta->getLength(&st, i));
            p->columns.push_back(c);
        }
        Message in;
        bindParams(st, p->statement, params, in);
        p->resultSet = p->statement->openCursor(&st, tra, in.meta, in.data(), p->out.meta, 0);
    });
    return std::unique_ptr<Cursor>(new Cursor(std::move(p)));
}

QVariant Connection::scalar(const QString &sql, const QVariantList &params)
{
    auto cursor = openCursor(sql, params);
    std::vector<QVariant> row;
    return cursor->fetch(row) && !row.empty() ? row[0] : QVariant();
}

} // namespace fb
