#include "estoquemovimento.h"

#include "dataset.h"
#include "firebird.h"
#include "recordconventions.h"

namespace StockMovement {

namespace {

const QString kSavepoint = QStringLiteral("TAVREL_MOVEMENT");

// Reads the product's row again and holds it for this transaction, so no
// other workstation changes its quantity between our read and our write.
// False when the product is no longer there.
bool lockProduct(fb::Connection &db, int key)
{
    auto cursor = db.openCursor(QStringLiteral("select idprod from prodforne where idprod = ? with lock"), {key});
    std::vector<QVariant> row;
    return cursor->fetch(row);
}

// Puts both rows back the way the window had them before "Gravar".
void restore(Dataset &products, Dataset &movements, const QVariant &quantityBefore)
{
    movements.resumeFailedUpdate();
    products.resumeFailedUpdate();
    if (!products.isEditing())
        products.edit();
    try {
        // The row may hold a quantity that was written and then rolled back.
        products.refresh();
    } catch (const fb::Error &) {
        // Showing what the window showed is all that can be done now.
    }
    products.field(QStringLiteral("QTDEDISP")).setValue(quantityBefore);
}

void rollBack(fb::Connection &db)
{
    db.execute(QStringLiteral("ROLLBACK TO SAVEPOINT ") + kSavepoint);
    db.execute(QStringLiteral("RELEASE SAVEPOINT ") + kSavepoint + QStringLiteral(" ONLY"));
}

} // namespace

void abandon(Dataset &products, Dataset &movements)
{
    products.cancel();
    movements.cancel();
}

Outcome save(Kind kind, Dataset &products, Dataset &movements, Dataset &keyScratch)
{
    const Field moved = movements.field(QStringLiteral("QTDEENT"));
    // A quantity is a whole number of items; anything else moves nothing.
    if (moved.isNull() || moved.asFloat() < 0) {
        abandon(products, movements);
        return Outcome::Abandoned;
    }
    fb::Connection &db = products.connection();
    Field inStock = products.field(QStringLiteral("QTDEDISP"));
    const QVariant quantityBefore = inStock.value();
    const int productKey = products.field(QStringLiteral("IDPROD")).asInteger();

    db.execute(QStringLiteral("SAVEPOINT ") + kSavepoint);
    try {
        if (!lockProduct(db, productKey)) {
            rollBack(db);
            return Outcome::ProductGone;
        }
        products.refresh();
        const double quantity = moved.asFloat();
        const double available = inStock.asFloat();
        if (kind == Kind::Exit && available < quantity) {
            // The window goes on showing the stock as it is now.
            rollBack(db);
            return Outcome::NotEnoughStock;
        }
        movements.field(QStringLiteral("IDPRODENT"))
            .setInteger(Records::allocateKey(keyScratch, QStringLiteral("prodent"), QStringLiteral("idprodent")));
        inStock.setFloat(kind == Kind::Entry ? available + quantity : available - quantity);
        for (const char *column : {"IDPROD", "NOMEFORNE", "DESCRICAO", "NPROD"})
            movements.field(QLatin1String(column)).setValue(products.field(QLatin1String(column)).value());
        movements.field(QStringLiteral("TIPO"))
            .setString(kind == Kind::Entry ? QStringLiteral("entrada") : QStringLiteral("saida"));
        products.post();
        movements.post();
        products.applyUpdates();
        movements.applyUpdates();
        db.execute(QStringLiteral("RELEASE SAVEPOINT ") + kSavepoint + QStringLiteral(" ONLY"));
    } catch (...) {
        try {
            rollBack(db);
        } catch (const fb::Error &) {
            // The connection itself failed; the original error says why.
        }
        restore(products, movements, quantityBefore);
        throw;
    }
    db.commitRetaining();
    return Outcome::Saved;
}

} // namespace StockMovement
