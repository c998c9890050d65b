#include "produtosgrupos.h"

#include "firebird.h"
#include "installpaths.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QUrl>

namespace ProductGroups {

namespace {

DocumentOpener &documentOpener()
{
    static DocumentOpener opener;
    return opener;
}

// The shop writes the file with whatever editor it has: an old one writes
// the Windows code page, a newer one UTF-8.
QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return fb::fromWin1252(bytes);
}

} // namespace

QString file() { return InstallPaths::productGroupsFile(); }

QStringList load()
{
    QFile f(file());
    if (!f.open(QIODevice::ReadOnly))
        throw fb::Error(QStringLiteral("Não foi possível abrir o arquivo \"%1\": %2")
                            .arg(QDir::toNativeSeparators(file()), f.errorString()));
    QString text = decode(f.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void openForEditing()
{
    if (documentOpener()) {
        documentOpener()(file());
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(file()));
}

void setDocumentOpener(DocumentOpener opener) { documentOpener() = std::move(opener); }

} // namespace ProductGroups
