#include "displaymask.h"

#include <QLocale>
#include <QtTest>

using report::formatValue;

// Printed values keep the Brazilian separators even on a machine set to
// another language: the test runs under an English locale.
class TestReportMasks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void masks_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("printed");

        QTest::newRow("receipt money") << QVariant(1234.5) << "R$ #,##0.00" << "R$ 1.234,50";
        QTest::newRow("sales line, no grouping") << QVariant(1234.5) << "R$ 0.00" << "R$ 1234,50";
        QTest::newRow("screen amount") << QVariant(1234.5) << "##,###,##0.00" << "1.234,50";
        QTest::newRow("total label") << QVariant(1500.0) << "R$ ##,###,##0.00" << "R$ 1.500,00";
        QTest::newRow("millions grouped") << QVariant(1234567.891) << "R$ #,##0.00" << "R$ 1.234.567,89";
        QTest::newRow("purchase price") << QVariant(12.5) << "R$ 0.00" << "R$ 12,50";
        QTest::newRow("zero") << QVariant(0.0) << "R$ #,##0.00" << "R$ 0,00";
        QTest::newRow("negative") << QVariant(-5.0) << "R$ #,##0.00" << "R$ -5,00";
        QTest::newRow("integer column masked") << QVariant(7) << "R$ 0.00" << "R$ 7,00";
        QTest::newRow("half cent rounds up") << QVariant(2.675) << "R$ 0.00" << "R$ 2,68";

        QTest::newRow("quantity 2,5 plain") << QVariant(2.5) << "" << "2,5";
        QTest::newRow("quantity 3 plain") << QVariant(3.0) << "" << "3";
        QTest::newRow("integer plain") << QVariant(42) << "" << "42";
        QTest::newRow("no grouping when plain") << QVariant(1234.5) << "" << "1234,5";

        const QDateTime due(QDate(2026, 3, 7), QTime(0, 0));
        QTest::newRow("date mask") << QVariant(due) << "dd/mm/yyyy" << "07/03/2026";
        QTest::newRow("date mask drops the time")
            << QVariant(QDateTime(QDate(2026, 12, 31), QTime(18, 45))) << "dd/mm/yyyy" << "31/12/2026";
        QTest::newRow("date and time mask")
            << QVariant(QDateTime(QDate(2026, 1, 2), QTime(9, 5, 7))) << "dd/mm/yyyy hh:nn:ss" << "02/01/2026 09:05:07";
        QTest::newRow("minutes after hours")
            << QVariant(QDateTime(QDate(2026, 1, 2), QTime(9, 5))) << "dd/mm/yyyy hh:mm" << "02/01/2026 09:05";
        QTest::newRow("plain date") << QVariant(due) << "" << "07/03/2026";
        QTest::newRow("plain date with time")
            << QVariant(QDateTime(QDate(2026, 3, 7), QTime(14, 30, 1))) << "" << "07/03/2026 14:30:01";
        QTest::newRow("QDate value") << QVariant(QDate(2026, 2, 28)) << "dd/mm/yyyy" << "28/02/2026";

        QTest::newRow("text ignores a number mask") << QVariant("Balcão") << "R$ #,##0.00" << "Balcão";
        QTest::newRow("text date column as stored") << QVariant("05/04/2026 - 10:00") << "dd/mm/yyyy"
                                                    << "05/04/2026 - 10:00";
        QTest::newRow("null") << QVariant() << "R$ #,##0.00" << "";
        QTest::newRow("null date") << QVariant(QMetaType(QMetaType::QDateTime)) << "dd/mm/yyyy" << "";
    }

    void masks()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, mask);
        QFETCH(QString, printed);
        QCOMPARE(formatValue(value, mask), printed);
    }
};

QTEST_GUILESS_MAIN(TestReportMasks)
#include "tst_reportmasks.moc"
