#pragma once

#include <QString>
#include <optional>

class Dataset;

// The product number (NPROD) as the shop types it: a number written in
// digits, where 42, 042 and 0000042 are the same product. Statements that
// look a product up by its number compare it as a number, so only digits
// may ever reach them.
namespace ProductCode {

// The proposed number of a new product: its key with seven digits, "0000042".
QString proposed(int key);

// The typed number without surrounding blanks, when it is made of digits
// only; nothing for an empty box, letters, signs or quotes.
std::optional<QString> digits(const QString &typed);

// "select * from prodforne where nprod=" followed by the number.
QString lookupStatement(const QString &digits);

// Looks the typed number up on the product look-up query (AuxProd). True
// when the query stands on a product with that number; text that is not a
// number finds nothing and runs no statement.
bool find(Dataset &lookup, const QString &typed);

} // namespace ProductCode
