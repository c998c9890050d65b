// The settings window: its four tabs and their texts, and tabs 2 to 4
// editing, saving and cancelling the one settings row, seen from a second
// workstation on the same database.

#include "configform.h"
#include "configpage.h"
#include "dbcontrols.h"
#include "dm.h"
#include "messages.h"
#include "modules.h"
#include "settingsmodule.h"
#include "skin.h"
#include "testdatabase.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

enum Tab { BackupTab, HeaderTab, WarrantyTab, AnnotationTab };

const QString kSaveCaption = QStringLiteral("Gravar Alterações");
const QString kCancelCaption = QStringLiteral("Cancelar Alterações");

const QStringList kHeaderCaptions = {
    QStringLiteral("Primeira linha do cabeçalho. (ex.: Nome da Empresa)"),
    QStringLiteral("Segunda linha do cabeçalho. (ex.: Rua)"),
    QStringLiteral("Terceira linha do cabeçalho. (ex.: Bairro - CEP - Cidade - Estado)"),
    QStringLiteral("Quarta linha do cabeçalho. (ex.: Telefone - Fax - CNPJ)"),
};
const QStringList kWarrantyCaptions = {
    QStringLiteral("Primeira linha dos termos de garantia."),
    QStringLiteral("Segunda linha dos termos de garantia."),
};
const QStringList kAnnotationCaptions = {
    QStringLiteral("Cor Verde"),
    QStringLiteral("Cor Azul"),
    QStringLiteral("Cor Vermelho"),
};

template <typename T>
T *named(QWidget *root, const QString &name)
{
    for (T *w : root->findChildren<T *>())
        if (w->accessibleName() == name)
            return w;
    return nullptr;
}

QStringList labelTexts(QWidget *root)
{
    QStringList texts;
    for (QLabel *label : root->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

bool looksDisabled(QWidget *edit)
{
    return !edit->isEnabled()
        && edit->palette().color(QPalette::Disabled, QPalette::Base) == QApplication::palette().color(QPalette::Midlight);
}

bool looksEditable(QWidget *edit)
{
    return edit->isEnabled() && edit->palette().color(QPalette::Active, QPalette::Base) == QColor(Qt::white);
}

} // namespace

class TestConfig : public QObject
{
    Q_OBJECT

    std::unique_ptr<TestDatabase> m_files;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<fb::Connection> m_other;   // another workstation on the same database
    std::unique_ptr<TConfigForm> m_form;

    QWidget *page(Tab tab) const { return m_form->tabs()->widget(tab); }

    void showTab(Tab tab)
    {
        QTabBar *bar = m_form->tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        QCOMPARE(m_form->tabs()->currentIndex(), int(tab));
    }

    void click(Tab tab, const QString &caption)
    {
        showTab(tab);
        auto *button = named<QPushButton>(page(tab), caption);
        QVERIFY2(button, qPrintable(caption));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    DBEdit *edit(Tab tab, const QString &caption) const { return named<DBEdit>(page(tab), caption); }

    void type(Tab tab, const QString &caption, const QString &text)
    {
        showTab(tab);
        DBEdit *box = edit(tab, caption);
        QVERIFY2(box && box->isEnabled(), qPrintable(caption));
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        // Accented letters arrive as the keyboard sends them: a key with its text.
        for (QChar ch : text) {
            if (ch.unicode() < 0x80)
                QTest::keyClick(box, ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }

    // What every workstation reads from the settings row.
    QString stored(const QString &column) const
    {
        return m_other->scalar(QStringLiteral("select %1 from config where idconfig = 1").arg(column)).toString();
    }

    void otherWorkstationSaves(const QString &column, const QString &value)
    {
        m_other->execute(QStringLiteral("update config set %1 = ? where idconfig = 1").arg(column), {value});
        m_other->commitRetaining();
    }

private Q_SLOTS:
    void initTestCase() { Skin::apply(*qobject_cast<QApplication *>(qApp)); }

    void init()
    {
        m_files = std::make_unique<TestDatabase>();
        m_dm = std::make_unique<TDM>();
        m_dm->connect(m_files->path());
        m_dm->ConfigQuery->open();
        m_other = std::make_unique<fb::Connection>();
        m_other->open(m_files->path());
        otherWorkstationSaves(QStringLiteral("cab1"), QStringLiteral("OFICINA DO ZE"));
        m_dm->ConfigQuery->refresh();
        m_form = std::make_unique<TConfigForm>(m_dm->ConfigQuery);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }

    void cleanup()
    {
        m_form.reset();
        m_other.reset();
        m_dm.reset();
        m_files.reset();
    }

    void windowOpensOnTheBackupTabWithEveryText()
    {
        QCOMPARE(m_form->windowTitle(), QStringLiteral("Configurações"));
        QVERIFY(m_form->windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(m_form->tabs()->currentIndex(), int(BackupTab));
        QStringList titles;
        for (int i = 0; i < m_form->tabs()->count(); ++i)
            titles << m_form->tabs()->tabText(i);
        QCOMPARE(titles, (QStringList{QStringLiteral("Backup"), QStringLiteral("Cabeçalho OS"),
                                      QStringLiteral("Garantia OS"), QStringLiteral("Anotações do Cliente")}));

        auto *explanation = page(BackupTab)->findChild<QTextEdit *>();
        QVERIFY(explanation && explanation->isReadOnly());
        QCOMPARE(explanation->toPlainText(),
                 QStringLiteral("O Sistema de backup funciona da seguinte maneira:\n"
                                "Ao pressionar o botão [Fazer Backup agora] o sistema cria um pasta no \n"
                                "diretório [C:\\Backup_OS], dentro deste diretório há outra pasta com a data \n"
                                "e a hora atual. Dentro desta segunda pasta há um arquivo chamado \n"
                                "DADOS.GDB este arquivo é o banco de dados do sistema.\n"
                                "\n"
                                "Para maior segurança salve esta pasta em um pendrive semanalmente.\n"
                                "Caso você queira substituir o banco de dados entre no diretório [C:\\Tavrel - \n"
                                "Meridel] e substitua o arquivo DADOS.GDB pelo criado pelo sistema."));
        QVERIFY(named<QPushButton>(page(BackupTab), QStringLiteral("Fazer Backup agora")));

        QVERIFY(labelTexts(page(WarrantyTab)).contains(
            QStringLiteral("Aqui você configurará os termos de garantia que aparecerão na impressão da OS.\n"
                           "Antes da assinatura do cliente, há duas linhas para esses termos de garantia.")));
        QVERIFY(labelTexts(page(WarrantyTab)).contains(
            QStringLiteral("Ex.: Estou ciente que meu aparelho foi arrumado e está funcionando normalmente.")));
        QVERIFY(labelTexts(page(AnnotationTab)).contains(
            QStringLiteral("Esta opção é a cor do Tipo de Anotação.\n"
                           "Por exemplo se o cliente esta devendo pode-se colocar como \"Cliente devendo\"\n"
                           "na cor vermelha. Se o cliente esta com cheque sem fundo pode-se colocar\n"
                           "na cor Azul \"Cheque devolvido\". Está opção serve basicamente para colocar \n"
                           "o tipo de anotação que o cliente vai ter. Por padrão se o cliente não tiver nenhuma\n"
                           "anotação a cor vai estar como Preto.")));
    }

    void tabsShowTheRowDisabledWithAlwaysEnabledButtons_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("editCaption");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("Cabeçalho OS") << int(HeaderTab) << QStringLiteral("Editar Cabeçalho") << kHeaderCaptions
                                      << QStringList{"CAB1", "CAB2", "CAB3", "CAB4"};
        QTest::newRow("Garantia OS") << int(WarrantyTab) << QStringLiteral("Editar Cabeçalho") << kWarrantyCaptions
                                     << QStringList{"GARANTIA1", "GARANTIA2"};
        QTest::newRow("Anotações do Cliente") << int(AnnotationTab) << QStringLiteral("Editar Anotações")
                                              << kAnnotationCaptions << QStringList{"VERDE", "AZUL", "VERMELHO"};
    }

    void tabsShowTheRowDisabledWithAlwaysEnabledButtons()
    {
        QFETCH(int, tab);
        QFETCH(QString, editCaption);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, columns);
        showTab(Tab(tab));
        QList<DBEdit *> edits = page(Tab(tab))->findChildren<DBEdit *>();
        QCOMPARE(edits.size(), captions.size());
        for (int i = 0; i < captions.size(); ++i) {
            DBEdit *box = edit(Tab(tab), captions[i]);
            QVERIFY2(box, qPrintable(captions[i]));
            QVERIFY(looksDisabled(box));
            QCOMPARE(box->text(), stored(columns[i]));
            // Its label names it and leads to it.
            bool labelled = false;
            for (QLabel *label : page(Tab(tab))->findChildren<QLabel *>())
                labelled = labelled || (label->text() == captions[i] && label->buddy() == box);
            QVERIFY2(labelled, qPrintable(captions[i]));
        }
        QStringList buttons;
        for (QPushButton *button : page(Tab(tab))->findChildren<QPushButton *>()) {
            QVERIFY(button->isEnabled());
            buttons << button->accessibleName();
        }
        QCOMPARE(buttons, (QStringList{editCaption, kSaveCaption, kCancelCaption}));
        QCOMPARE(edit(HeaderTab, kHeaderCaptions[0])->text(), QStringLiteral("OFICINA DO ZE"));
    }

    void eachTabEditsAndSavesItsColumns_data() { tabsShowTheRowDisabledWithAlwaysEnabledButtons_data(); }

    void eachTabEditsAndSavesItsColumns()
    {
        QFETCH(int, tab);
        QFETCH(QString, editCaption);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, columns);
        Messages::Script script;
        click(Tab(tab), editCaption);
        for (const QString &caption : captions)
            QVERIFY2(looksEditable(edit(Tab(tab), caption)), qPrintable(caption));
        QCOMPARE(QApplication::focusWidget(), edit(Tab(tab), captions.first()));
        // The other tabs stay as they were.
        for (const QString &caption : kHeaderCaptions + kWarrantyCaptions + kAnnotationCaptions) {
            if (!captions.contains(caption)) {
                DBEdit *other = named<DBEdit>(m_form.get(), caption);
                QVERIFY2(looksDisabled(other), qPrintable(caption));
            }
        }

        const QString before = stored(columns.first());
        for (int i = 0; i < captions.size(); ++i)
            type(Tab(tab), captions[i], QStringLiteral("Linha %1 ç").arg(i + 1));
        // Nothing reaches the database before "Gravar Alterações".
        QCOMPARE(stored(columns.first()), before);

        click(Tab(tab), kSaveCaption);
        QVERIFY(script.shown().isEmpty());
        for (int i = 0; i < captions.size(); ++i) {
            QCOMPARE(stored(columns[i]), QStringLiteral("Linha %1 ç").arg(i + 1));
            QVERIFY(looksDisabled(edit(Tab(tab), captions[i])));
        }
        QCOMPARE(m_dm->ConfigQuery->state(), Dataset::State::Browse);
        QCOMPARE(m_other->scalar(QStringLiteral("select count(*) from config")).toInt(), 1);
    }

    void cancelDropsTheChange()
    {
        click(HeaderTab, QStringLiteral("Editar Cabeçalho"));
        type(HeaderTab, kHeaderCaptions[0], QStringLiteral("OUTRO NOME"));
        click(HeaderTab, kCancelCaption);
        QCOMPARE(edit(HeaderTab, kHeaderCaptions[0])->text(), QStringLiteral("OFICINA DO ZE"));
        QVERIFY(looksDisabled(edit(HeaderTab, kHeaderCaptions[0])));
        QCOMPARE(m_dm->ConfigQuery->state(), Dataset::State::Browse);
        // Saving afterwards has nothing left to save.
        click(HeaderTab, kSaveCaption);
        QCOMPARE(stored(QStringLiteral("CAB1")), QStringLiteral("OFICINA DO ZE"));
    }

    void savingWithoutEditingChangesNothing()
    {
        Messages::Script script;
        otherWorkstationSaves(QStringLiteral("cab2"), QStringLiteral("RUA NOVA"));
        for (Tab tab : {HeaderTab, WarrantyTab, AnnotationTab})
            click(tab, kSaveCaption);
        QVERIFY(script.shown().isEmpty());
        QCOMPARE(stored(QStringLiteral("CAB1")), QStringLiteral("OFICINA DO ZE"));
        QCOMPARE(stored(QStringLiteral("CAB2")), QStringLiteral("RUA NOVA"));
    }

    void headerEditedOnOneTabIsSavedFromAnother_data()
    {
        QTest::addColumn<bool>("editOnTheSecondTabToo");
        QTest::newRow("saved straight from the other tab") << false;
        QTest::newRow("other tab's edit pressed first") << true;
    }

    void headerEditedOnOneTabIsSavedFromAnother()
    {
        QFETCH(bool, editOnTheSecondTabToo);
        click(HeaderTab, QStringLiteral("Editar Cabeçalho"));
        type(HeaderTab, kHeaderCaptions[0], QStringLiteral("ASSISTENCIA DA ANA"));
        if (editOnTheSecondTabToo) {
            // Starting to edit another tab keeps what was typed on this one.
            click(AnnotationTab, QStringLiteral("Editar Anotações"));
            type(AnnotationTab, kAnnotationCaptions[2], QStringLiteral("Deve"));
            QCOMPARE(edit(HeaderTab, kHeaderCaptions[0])->text(), QStringLiteral("ASSISTENCIA DA ANA"));
        }
        click(WarrantyTab, kSaveCaption);
        QCOMPARE(stored(QStringLiteral("CAB1")), QStringLiteral("ASSISTENCIA DA ANA"));
        if (editOnTheSecondTabToo)
            QCOMPARE(stored(QStringLiteral("VERMELHO")), QStringLiteral("Deve"));
        // Only the pressed tab's edits were switched off.
        QVERIFY(looksEditable(edit(HeaderTab, kHeaderCaptions[0])));
        QVERIFY(looksDisabled(edit(WarrantyTab, kWarrantyCaptions[0])));
        QCOMPARE(looksEditable(edit(AnnotationTab, kAnnotationCaptions[0])), editOnTheSecondTabToo);
    }

    void editReadsWhatAnotherWorkstationSaved()
    {
        otherWorkstationSaves(QStringLiteral("cab1"), QStringLiteral("NOME NOVO"));
        QCOMPARE(edit(HeaderTab, kHeaderCaptions[0])->text(), QStringLiteral("OFICINA DO ZE"));
        click(HeaderTab, QStringLiteral("Editar Cabeçalho"));
        QCOMPARE(edit(HeaderTab, kHeaderCaptions[0])->text(), QStringLiteral("NOME NOVO"));
        type(HeaderTab, kHeaderCaptions[1], QStringLiteral("RUA DAS FLORES, 10"));
        click(HeaderTab, kSaveCaption);
        QCOMPARE(stored(QStringLiteral("CAB1")), QStringLiteral("NOME NOVO"));
        QCOMPARE(stored(QStringLiteral("CAB2")), QStringLiteral("RUA DAS FLORES, 10"));
    }

    void conflictingSaveIsReportedAndCanBeRetried()
    {
        Messages::Script script;
        click(AnnotationTab, QStringLiteral("Editar Anotações"));
        type(AnnotationTab, kAnnotationCaptions[0], QStringLiteral("Em dia"));
        // The other workstation is changing the row and has not committed.
        m_other->execute(QStringLiteral("update config set azul = \"X\" where idconfig = 1"));

        click(AnnotationTab, kSaveCaption);
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(script.last().kind, Messages::Kind::Error);
        QVERIFY2(script.last().text.contains(QStringLiteral("conflict")), qPrintable(script.last().text));
        // What was typed is still there, the tab still editable.
        QCOMPARE(m_dm->ConfigQuery->state(), Dataset::State::Edit);
        QCOMPARE(edit(AnnotationTab, kAnnotationCaptions[0])->text(), QStringLiteral("Em dia"));
        QVERIFY(looksEditable(edit(AnnotationTab, kAnnotationCaptions[0])));

        m_other->rollbackRetaining();
        click(AnnotationTab, kSaveCaption);
        QCOMPARE(script.shown().size(), 1);
        QCOMPARE(stored(QStringLiteral("VERDE")), QStringLiteral("Em dia"));
        QVERIFY(looksDisabled(edit(AnnotationTab, kAnnotationCaptions[0])));
    }

    void closingTheWindowDropsThePendingChange()
    {
        click(WarrantyTab, QStringLiteral("Editar Cabeçalho"));
        type(WarrantyTab, kWarrantyCaptions[0], QStringLiteral("Sem garantia"));
        m_form->close();
        QCOMPARE(m_dm->ConfigQuery->state(), Dataset::State::Browse);
        QCOMPARE(m_dm->ConfigQuery->field(QStringLiteral("GARANTIA1")).asString(), stored(QStringLiteral("GARANTIA1")));
        QVERIFY(stored(QStringLiteral("GARANTIA1")) != QStringLiteral("Sem garantia"));
        QVERIFY(m_dm->ConfigQuery->isOpen());
        QCOMPARE(m_other->scalar(QStringLiteral("select count(*) from config")).toInt(), 1);
    }

    void openedByNameAsAModalWindow()
    {
        SettingsModule::registerWindows();
        QWidget mainWindow;
        Messages::Script script;
        QString caption;
        int tab = -1;
        bool modal = false;
        script.onModal([&](QDialog *dialog) {
            auto *window = qobject_cast<TConfigForm *>(dialog);
            QVERIFY(window);
            caption = window->windowTitle();
            tab = window->tabs()->currentIndex();
            modal = window->isModal();
            QCOMPARE(window->parentWidget(), &mainWindow);
        });
        QVERIFY(Modules::open(QStringLiteral("TConfigForm"), &mainWindow));
        QCOMPARE(caption, QStringLiteral("Configurações"));
        QCOMPARE(tab, int(BackupTab));
        QVERIFY(modal);
        QVERIFY(mainWindow.findChildren<TConfigForm *>().isEmpty());
    }
};

QTEST_MAIN(TestConfig)
#include "tst_config.moc"
