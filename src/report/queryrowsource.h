#pragma once

#include "rowsource.h"

class Dataset;
class QObject;

namespace report {

// A report's own read-only query on the program's one connection and
// transaction. Each print reloads it with its statement; the rows are
// fetched in full so the report can lay them out.
//
//   report::QueryRowSource settings(DM->createScratchQuery(this));
//   settings.reload("select * from config where idconfig = 1");
class QueryRowSource : public RowSource
{
public:
    explicit QueryRowSource(Dataset *query) : m_query(query) {}

    // Closes the query, gives it the statement, opens it and fetches every row.
    void reload(const QString &sql);
    Dataset *query() const { return m_query; }

    int rowCount() const override;
    QVariant value(int row, const QString &column) const override;

private:
    Dataset *m_query;
};

} // namespace report
