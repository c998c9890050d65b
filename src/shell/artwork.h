#pragma once

#include <QPixmap>
#include <QSize>

// The program's pictures, drawn rather than shipped: the eight icons of the
// icon bar (normal and highlighted), the logo, the background, and the
// pictures of the about and login windows.
namespace Artwork {

enum class Icon { Vendas, Clientes, Fornecedores, Financeiro, Ordens, Agenda, Estoque, Relatorios };

QPixmap icon(Icon which, bool highlighted);
QPixmap logo();
QPixmap background(const QSize &size);
QPixmap aboutPicture();
QPixmap loginPicture();

} // namespace Artwork
