#pragma once

#include "dm.h"
#include "loginform.h"
#include "messages.h"
#include "principalform.h"
#include "testdatabase.h"
#include "widgetfinder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

// The program as main() builds it, on a fresh database: the main window, the
// data module and the login window, with every message box scripted.
struct ShellFixture {
    std::unique_ptr<TestDatabase> database = std::make_unique<TestDatabase>();
    Messages::Script script;
    std::unique_ptr<TPrincipalForm> principal = std::make_unique<TPrincipalForm>();
    std::unique_ptr<TDM> dm = std::make_unique<TDM>();
    std::unique_ptr<TLoginForm> login = std::make_unique<TLoginForm>(principal.get());

    ShellFixture() { principal->setLoginForm(login.get()); }
    ~ShellFixture()
    {
        principal->close();
        login.reset();
        dm.reset();
        principal.reset();
    }

    void start() { principal->show(); }

    void signIn(const QString &user, const QString &password)
    {
        auto *box = login->loginBox();
        const int index = box->findText(user);
        QVERIFY2(index >= 0, qPrintable(user));
        // Chosen from the list with the keyboard, as a user would.
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < index; ++i)
            QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(box->currentIndex(), index);
        login->passwordBox()->clear();
        QTest::keyClicks(login->passwordBox(), password);
        QTest::mouseClick(findNamed<QPushButton>(login.get(), QStringLiteral("Acessar Sistema")), Qt::LeftButton);
    }

    // Rows put in before the program starts, as another workstation would.
    void seed(const QString &sql)
    {
        fb::Connection other;
        other.open(database->path());
        other.execute(sql);
        other.commit();
    }

    void execute(const QString &sql)
    {
        dm->Database().execute(sql);
        dm->commitRetaining();
    }
};
