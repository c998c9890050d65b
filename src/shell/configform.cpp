#include "configform.h"

#include "configpage.h"
#include "dataset.h"
#include "listwindow.h"

#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

const QStringList kBackupExplanation = {
    QStringLiteral("O Sistema de backup funciona da seguinte maneira:"),
    QStringLiteral("Ao pressionar o botão [Fazer Backup agora] o sistema cria um pasta no "),
    QStringLiteral("diretório [C:\\Backup_OS], dentro deste diretório há outra pasta com a data "),
    QStringLiteral("e a hora atual. Dentro desta segunda pasta há um arquivo chamado "),
    QStringLiteral("DADOS.GDB este arquivo é o banco de dados do sistema."),
    QString(),
    QStringLiteral("Para maior segurança salve esta pasta em um pendrive semanalmente."),
    QStringLiteral("Caso você queira substituir o banco de dados entre no diretório [C:\\Tavrel - "),
    QStringLiteral("Meridel] e substitua o arquivo DADOS.GDB pelo criado pelo sistema."),
};

const QStringList kAnnotationExplanation = {
    QStringLiteral("Esta opção é a cor do Tipo de Anotação."),
    QStringLiteral("Por exemplo se o cliente esta devendo pode-se colocar como \"Cliente devendo\""),
    QStringLiteral("na cor vermelha. Se o cliente esta com cheque sem fundo pode-se colocar"),
    QStringLiteral("na cor Azul \"Cheque devolvido\". Está opção serve basicamente para colocar "),
    QStringLiteral("o tipo de anotação que o cliente vai ter. Por padrão se o cliente não tiver nenhuma"),
    QStringLiteral("anotação a cor vai estar como Preto."),
};

// A read-only text box of centred lines.
QTextEdit *centredText(const QStringList &lines)
{
    auto *text = new QTextEdit;
    text->setReadOnly(true);
    text->setPlainText(lines.join(u'\n'));
    QTextCursor all(text->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    return text;
}

} // namespace

TConfigForm::TConfigForm(Dataset *config, BackupServices backup, QWidget *parent)
    : ModalWindow(parent), m_config(config), m_backup(std::move(backup)), m_tabs(new QTabWidget)
{
    setWindowTitle(QStringLiteral("Configurações"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    m_tabs->addTab(createBackupTab(), QStringLiteral("Backup"));
    m_tabs->addTab(m_headerPage = createHeaderTab(), QStringLiteral("Cabeçalho OS"));
    m_tabs->addTab(m_warrantyPage = createWarrantyTab(), QStringLiteral("Garantia OS"));
    m_tabs->addTab(m_annotationPage = createAnnotationTab(), QStringLiteral("Anotações do Cliente"));
    m_tabs->setCurrentIndex(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget *TConfigForm::createBackupTab()
{
    auto *tab = new QWidget;
    m_backupButton = new QPushButton(QStringLiteral("Fazer Backup agora"));
    m_backupButton->setAccessibleName(m_backupButton->text());
    m_backupButton->setAutoDefault(false);
    m_progress = new QProgressBar;
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    auto *explanation = centredText(kBackupExplanation);
    explanation->setMinimumWidth(explanation->fontMetrics().horizontalAdvance(kBackupExplanation[2]) + 40);

    auto *layout = new QVBoxLayout(tab);
    layout->addWidget(explanation);
    layout->addWidget(m_backupButton, 0, Qt::AlignHCenter);
    layout->addWidget(m_progress);

    connect(m_backupButton, &QPushButton::clicked, this, [this] { m_backup.run(this, m_progress); });
    return tab;
}

ConfigPage *TConfigForm::createHeaderTab()
{
    auto *page = new ConfigPage(m_config, QStringLiteral("Editar Cabeçalho"));
    page->addEdit(QStringLiteral("Primeira linha do cabeçalho. (ex.: Nome da Empresa)"), QStringLiteral("CAB1"));
    page->addEdit(QStringLiteral("Segunda linha do cabeçalho. (ex.: Rua)"), QStringLiteral("CAB2"));
    page->addEdit(QStringLiteral("Terceira linha do cabeçalho. (ex.: Bairro - CEP - Cidade - Estado)"), QStringLiteral("CAB3"));
    page->addEdit(QStringLiteral("Quarta linha do cabeçalho. (ex.: Telefone - Fax - CNPJ)"), QStringLiteral("CAB4"));
    return page;
}

ConfigPage *TConfigForm::createWarrantyTab()
{
    auto *page = new ConfigPage(m_config, QStringLiteral("Editar Cabeçalho"));
    page->addText({QStringLiteral("Aqui você configurará os termos de garantia que aparecerão na impressão da OS."),
                   QStringLiteral("Antes da assinatura do cliente, há duas linhas para esses termos de garantia.")});
    page->addEdit(QStringLiteral("Primeira linha dos termos de garantia."), QStringLiteral("GARANTIA1"));
    page->addEdit(QStringLiteral("Segunda linha dos termos de garantia."), QStringLiteral("GARANTIA2"));
    page->addText({QStringLiteral("Ex.: Estou ciente que meu aparelho foi arrumado e está funcionando normalmente.")});
    return page;
}

ConfigPage *TConfigForm::createAnnotationTab()
{
    auto *page = new ConfigPage(m_config, QStringLiteral("Editar Anotações"));
    page->addEdit(QStringLiteral("Cor Verde"), QStringLiteral("VERDE"));
    page->addEdit(QStringLiteral("Cor Azul"), QStringLiteral("AZUL"));
    page->addEdit(QStringLiteral("Cor Vermelho"), QStringLiteral("VERMELHO"));
    page->addText(kAnnotationExplanation, Qt::AlignHCenter);
    return page;
}

// However the window closes, a change not saved is dropped.
void TConfigForm::done(int result)
{
    if (m_config && m_config->isEditing())
        m_config->cancel();
    ModalWindow::done(result);
}

void TConfigForm::showEvent(QShowEvent *event)
{
    ModalWindow::showEvent(event);
    centreOnScreen(this);
}
