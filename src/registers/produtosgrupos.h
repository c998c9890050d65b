#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The product groups the record window offers: the lines of grupoprod.txt in
// the install folder, which the shop edits with the desktop's own editor.
// The program only reads the file.
namespace ProductGroups {

QString file();

// The file's lines, one group each (a blank last line is not a group).
// Throws fb::Error with the file error's text when it cannot be read.
QStringList load();

// Asks the desktop to open the file with its associated program and returns
// at once.
void openForEditing();

// Test seam: how a document is handed to the desktop. An empty function
// restores the desktop itself.
using DocumentOpener = std::function<void(const QString &path)>;
void setDocumentOpener(DocumentOpener opener);

} // namespace ProductGroups
