// A database error that reaches the event loop is shown, and the program goes on.

#include "application.h"
#include "firebird.h"
#include "messages.h"

#include <QPushButton>
#include <QtTest>

namespace {

// A control whose click runs into the database failing.
class FailingButton : public QPushButton
{
public:
    FailingButton() : QPushButton(QStringLiteral("Procurar")) {}
    int clicks = 0;

protected:
    void mouseReleaseEvent(QMouseEvent *) override
    {
        ++clicks;
        throw fb::Error(QStringLiteral("Error reading data from the connection."));
    }
};

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void databaseErrorInAnEventIsShown()
    {
        Messages::Script script;
        FailingButton button;
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(button.clicks, 2);
        QCOMPARE(script.shown().size(), 2);
        QCOMPARE(script.last().kind, Messages::Kind::Error);
        QCOMPARE(script.last().text, QStringLiteral("Error reading data from the connection."));
    }
};

int main(int argc, char **argv)
{
    TavrelApplication app(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
