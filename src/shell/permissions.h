#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class Dataset;

// The sixteen permission flags of a user (columns of USUARIOS): the check box
// and group that show each in the user window, and the main-menu and finance
// pop-up items a missing permission disables at login. Only 1 grants.
struct Permission {
    QString column;        // TCLIENTE
    QString checkCaption;  // "Clientes"
    QString group;         // "Cadastros"
    QStringList menuItems; // "Cadastros/Clientes"
    QStringList popupItems;// "Contas à Pagar"
};

namespace Permissions {

// In the user window's order: group by group, box by box.
const std::vector<Permission> &all();
// The check boxes' groups, in order.
QStringList groups();

inline constexpr int kGranted = 1;
inline constexpr int kDenied = 2;

// Whether the current row of the users dataset grants the column.
bool grants(Dataset &users, const QString &column);

} // namespace Permissions
