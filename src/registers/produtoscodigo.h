#pragma once

#include <QString>
#include <optional>

class Dataset;

// The product number (NPROD) as the shop types it: a number written in
// digits, where 42, 042 and 0000042 are the same product. Only digits ever
// reach a statement.
namespace ProductCode {

// The proposed number of a new product: its key with seven digits, "0000042".
QString proposed(int key);

// The typed number without surrounding blanks, when it is made of digits
// only; nothing for an empty box, letters, signs or quotes.
std::optional<QString> digits(const QString &typed);

// The products whose number is this number, with or without leading zeros:
// "select * from prodforne where nprod in ("42", "042", ... )". Matching the
// stored text itself lets the look-up use the number's index, and a number
// stored with letters in it can never make the statement fail.
QString lookupStatement(const QString &digits);

// Looks the typed number up on the product look-up query (AuxProd). True
// when the query stands on a product with that number; text that is not a
// number finds nothing and runs no statement.
bool find(Dataset &lookup, const QString &typed);

} // namespace ProductCode
