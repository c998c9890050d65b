#pragma once

#include "recordtexts.h"

#include <QString>

// The statements and texts of the product windows.
namespace ProductTexts {

// How the product list shows the table: every product by description.
inline const QString kOrdered = QStringLiteral("select * from prodforne order by descricao");
// What the picker and the current-stock report read: every product, unordered.
inline const QString kAll = QStringLiteral("select * from prodforne");

inline const QString kNewCaption = QStringLiteral("Cadastro de Produto");
inline const QString kChangeCaption = QStringLiteral("Alteração de Produto");

// The product table for the record sequences (edit, delete, save).
RecordTexts recordTexts();

} // namespace ProductTexts
