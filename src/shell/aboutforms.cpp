#include "aboutforms.h"

#include "artwork.h"
#include "principalform.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TSobreForm::TSobreForm(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Sobre - Ordem de Serviço"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    auto *column = new QVBoxLayout(this);
    auto *picture = new QLabel(this);
    picture->setPixmap(Artwork::aboutPicture());
    picture->setAccessibleName(QStringLiteral("Tavrel"));
    picture->setCursor(Qt::PointingHandCursor);
    picture->installEventFilter(this);
    column->addWidget(picture, 0, Qt::AlignHCenter);
    for (const QString &line : {TPrincipalForm::kMakerSite, QStringLiteral("E-mail: ") + TPrincipalForm::kMakerEmail,
                                QStringLiteral("MSN: ") + TPrincipalForm::kMakerMessenger}) {
        auto *label = new QLabel(line, this);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        column->addWidget(label, 0, Qt::AlignHCenter);
    }
    setFixedSize(sizeHint());
}

bool TSobreForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QStringList THistoricoForm::lines()
{
    return {
        QStringLiteral("Histórico de Versões - Tavrel"),
        QString(),
        QStringLiteral("v2.3"),
        QStringLiteral("* Permissões de Usuário."),
        QStringLiteral("* Envio de OS por E-mail."),
        QString(),
        QStringLiteral("v2.1"),
        QStringLiteral("* Impressão de Relatório de Estoque. Entrada e Saida de Produtos."),
        QStringLiteral("* Impressão de Relatório de Estoque Atual."),
        QStringLiteral("* Lista de todas as OS cadastradas."),
        QStringLiteral("* Sistema de Backup de Dados."),
        QString(),
        QStringLiteral("v2.0"),
        QStringLiteral("* Módulo de Vendas, com impressão de comprovante de venda."),
        QStringLiteral("* Controle de Débito de Clientes (Carnês), com impressão de Carnê."),
        QStringLiteral("* Relatório de Vendas."),
        QStringLiteral("* Relatório de Carnês Quitados."),
        QString(),
        QStringLiteral("v1.5"),
        QStringLiteral("* Agendamento de Ordem de Serviço."),
        QStringLiteral("* Controle de Cheques."),
        QStringLiteral("* Contas à Pagar."),
        QString(),
        QStringLiteral("v1.0"),
        QStringLiteral("* Cadastro de Clientes."),
        QStringLiteral("* Cadastro de Fornecedores."),
        QStringLiteral("* Cadastro e Impressão de OS."),
        QStringLiteral("* Controle de Estoque."),
        QStringLiteral("* Relatório de Estoque."),
    };
}

THistoricoForm::THistoricoForm(QWidget *parent) : QDialog(parent), m_text(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("Histórico de Versões  - Tavrel"));
    m_text->setReadOnly(true);
    m_text->setAccessibleName(QStringLiteral("Histórico de Versões"));
    m_text->setPlainText(lines().join(u'\n'));
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_text);
    setFixedSize(460, 420);
}
