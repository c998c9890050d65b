// The keys a window sees before its controls: function keys, Esc and the
// numeric keypad's plus and minus acting as button clicks, and Enter in a
// search box starting the search.

#include "keymap.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// A small list window: a search box and button, another box, and four buttons.
struct Window : QWidget {
    QLineEdit *search = new QLineEdit;
    QPushButton *find = new QPushButton(QStringLiteral("Procurar"));
    QLineEdit *other = new QLineEdit;
    QPushButton *add = new QPushButton(QStringLiteral("Cadastrar Cliente"));
    QPushButton *save = new QPushButton(QStringLiteral("Gravar [F5]"));
    QPushButton *cancel = new QPushButton(QStringLiteral("Cancelar [F6]"));
    QPushButton *entry = new QPushButton(QStringLiteral("Entrada"));
    QPushButton *exit = new QPushButton(QStringLiteral("Saída"));
    KeyMap *keys = new KeyMap(this);

    Window()
    {
        auto *layout = new QVBoxLayout(this);
        for (QWidget *w : {static_cast<QWidget *>(search), static_cast<QWidget *>(find), static_cast<QWidget *>(other),
                           static_cast<QWidget *>(add), static_cast<QWidget *>(save), static_cast<QWidget *>(cancel),
                           static_cast<QWidget *>(entry), static_cast<QWidget *>(exit)})
            layout->addWidget(w);
        keys->press(KeyMap::F1, add);
        keys->pressWhileEnabled(KeyMap::F5, save, save);
        keys->pressWhileEnabled(KeyMap::F6, cancel, save);
        keys->press(KeyMap::KeypadPlus, entry);
        keys->press(KeyMap::KeypadMinus, exit);
        keys->run(KeyMap::Esc, [this] { close(); });
        keys->searchOnEnter(search, find);
    }
};

} // namespace

class TestKeyMap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keysClickTheirButtons_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("saveEnabled");
        QTest::addColumn<bool>("addEnabled");
        QTest::addColumn<QString>("clicked"); // the button's caption, or "" for none

        const Qt::KeyboardModifiers none;
        QTest::newRow("F1") << int(Qt::Key_F1) << none << true << true << QStringLiteral("Cadastrar Cliente");
        QTest::newRow("F1 on a disabled button") << int(Qt::Key_F1) << none << true << false << QStringLiteral("Cadastrar Cliente");
        QTest::newRow("F1 with shift") << int(Qt::Key_F1) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true << true
                                       << QStringLiteral("Cadastrar Cliente");
        QTest::newRow("F5 while save is enabled") << int(Qt::Key_F5) << none << true << true << QStringLiteral("Gravar [F5]");
        QTest::newRow("F5 while save is disabled") << int(Qt::Key_F5) << none << false << true << QString();
        QTest::newRow("F6 while save is enabled") << int(Qt::Key_F6) << none << true << true << QStringLiteral("Cancelar [F6]");
        QTest::newRow("F6 while save is disabled") << int(Qt::Key_F6) << none << false << true << QString();
        QTest::newRow("keypad plus") << int(Qt::Key_Plus) << Qt::KeyboardModifiers(Qt::KeypadModifier) << true << true
                                     << QStringLiteral("Entrada");
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << Qt::KeyboardModifiers(Qt::KeypadModifier) << true << true
                                      << QStringLiteral("Saída");
        QTest::newRow("plus of the main keys") << int(Qt::Key_Plus) << none << true << true << QString();
        QTest::newRow("F2 means nothing here") << int(Qt::Key_F2) << none << true << true << QString();
    }

    void keysClickTheirButtons()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, saveEnabled);
        QFETCH(bool, addEnabled);
        QFETCH(QString, clicked);

        Window window;
        window.save->setEnabled(saveEnabled);
        window.cancel->setEnabled(true);
        window.add->setEnabled(addEnabled);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QStringList pressed;
        for (QPushButton *b : window.findChildren<QPushButton *>())
            connect(b, &QPushButton::clicked, &window, [&pressed, b] { pressed << b->text(); });

        // The key goes to the box that has the focus; the window sees it first.
        window.other->setFocus();
        QTest::keyClick(window.other, Qt::Key(key), modifiers);
        QCOMPARE(pressed, clicked.isEmpty() ? QStringList() : QStringList{clicked});
        // A key the window takes never reaches the box.
        if (!clicked.isEmpty())
            QCOMPARE(window.other->text(), QString());
    }

    void enterInTheSearchBoxSearches()
    {
        Window window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy searches(window.find, &QPushButton::clicked);

        QTest::keyClicks(window.search, QStringLiteral("jo"));
        QTest::keyClick(window.search, Qt::Key_Return);
        QCOMPARE(searches.count(), 1);
        QTest::keyClick(window.search, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(searches.count(), 2);
        // Enter in another box does nothing.
        QTest::keyClick(window.other, Qt::Key_Return);
        QCOMPARE(searches.count(), 2);
        QCOMPARE(window.search->text(), QStringLiteral("jo"));
    }

    void escClosesAndOtherWindowsKeepTheirKeys()
    {
        Window first, second;
        first.show();
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QSignalSpy firstAdds(first.add, &QPushButton::clicked);
        QSignalSpy secondAdds(second.add, &QPushButton::clicked);

        QTest::keyClick(second.other, Qt::Key_F1);
        QCOMPARE(firstAdds.count(), 0);
        QCOMPARE(secondAdds.count(), 1);

        QTest::keyClick(first.other, Qt::Key_Escape);
        QVERIFY(!first.isVisible());
        QVERIFY(second.isVisible());
    }

    void aWindowWithoutMapHasNoKeys()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *box = new QLineEdit;
        auto *button = new QPushButton(QStringLiteral("Cadastrar"));
        layout->addWidget(box);
        layout->addWidget(button);
        Window mapped; // a window with keys elsewhere changes nothing here
        window.show();
        QSignalSpy clicks(mapped.add, &QPushButton::clicked);
        QTest::keyClick(box, Qt::Key_F1);
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(clicks.count(), 0);
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestKeyMap)
#include "tst_keymap.moc"
