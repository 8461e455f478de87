#include "RecordingProgramEnd.h"
#include "ScriptedMessageBox.h"
#include "runtime/Arithmetic.h"
#include "runtime/ClockRandomGenerator.h"
#include "runtime/Conversions.h"
#include "runtime/ErrorTrap.h"
#include "runtime/IntegerArray.h"
#include "runtime/RuntimeError.h"

#include <QTest>
#include <array>
#include <cmath>
#include <limits>
#include <thread>

class RuntimeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void numberToText_data();
    void numberToText();
    void textToNumber();
    void textToNumberRejectsNonNumbers_data();
    void textToNumberRejectsNonNumbers();
    void integerOverflowIsAnError();
    void floatFaultsAreErrors();
    void floorToInteger();
    void arrayIndexOutsideIsAnError();
    void randomValuesStayBelowOne();
    void randomReseedsFromTheClock();
    void errorTrapReportsAndEnds();
    void errorTrapLeavesSuccessAlone();
};

void RuntimeTest::numberToText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("ten") << 10.0 << "10";
    QTest::newRow("million") << 1000000.0 << "1000000";
    QTest::newRow("beyond int") << 1e20 << "100000000000000000000";
    QTest::newRow("fraction") << 2.5 << "2.5";
}

void RuntimeTest::numberToText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(Conversions::numberToText(value), text);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Conversions::numberToText(std::numeric_limits<double>::infinity()));
    QCOMPARE(Conversions::integerToText(17), QStringLiteral("17"));
    QCOMPARE(Conversions::integerToText(0), QStringLiteral("0"));
}

void RuntimeTest::textToNumber()
{
    QCOMPARE(Conversions::textToNumber(QStringLiteral("41")), 41.0);
    QCOMPARE(Conversions::textToNumber(QStringLiteral(" 9 ")), 9.0);
    QCOMPARE(Conversions::textToNumber(QStringLiteral("1e3")), 1000.0);
    // The user's locale must not change how the counter reads.
    QLocale::setDefault(QLocale(QLocale::German));
    QCOMPARE(Conversions::textToNumber(QStringLiteral("1.5")), 1.5);
    QCOMPARE(Conversions::numberToText(1234567.0), QStringLiteral("1234567"));
    QLocale::setDefault(QLocale::c());
}

void RuntimeTest::textToNumberRejectsNonNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("word") << "abc";
    QTest::newRow("trailing garbage") << "12x";
    QTest::newRow("infinity") << "inf";
    QTest::newRow("not a number") << "nan";
}

void RuntimeTest::textToNumberRejectsNonNumbers()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Conversions::textToNumber(text));
}

void RuntimeTest::integerOverflowIsAnError()
{
    QCOMPARE(Arithmetic::add(Integer(15), Integer(1)), Integer(16));
    QCOMPARE(Arithmetic::add(Integer(32766), Integer(1)), Integer(32767));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Arithmetic::add(Integer(32767), Integer(1)));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Arithmetic::add(Integer(-32768), Integer(-1)));
}

void RuntimeTest::floatFaultsAreErrors()
{
    const float big = std::numeric_limits<float>::max();
    QCOMPARE(Arithmetic::add(1410.0f, 1170.0f), 2580.0f);
    QCOMPARE(Arithmetic::subtract(240.0f, 1170.0f), -930.0f);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Arithmetic::add(big, big));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Arithmetic::subtract(-big, big));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Arithmetic::add(std::numeric_limits<double>::max(), 1e308));
    QCOMPARE(Arithmetic::add(999999.0, 1.0), 1000000.0);
}

void RuntimeTest::floorToInteger()
{
    QCOMPARE(Arithmetic::floorToInteger(0.5f * 16.0f), Integer(8));
    QCOMPARE(Arithmetic::floorToInteger(0.53f * 16.0f), Integer(8));
    // The largest float below 1 must still draw cell 15, not 16.
    QCOMPARE(Arithmetic::floorToInteger(std::nextafter(1.0f, 0.0f) * 16.0f), Integer(15));
    QCOMPARE(Arithmetic::floorToInteger(-0.5f), Integer(-1));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Arithmetic::floorToInteger(40000.0f));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, Arithmetic::floorToInteger(std::nanf("")));
}

void RuntimeTest::arrayIndexOutsideIsAnError()
{
    IntegerArray<16> array;
    array(15) = 7;
    QCOMPARE(array(15), Integer(7));
    QCOMPARE(array(0), Integer(0));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, array(16));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, array(-1));
}

void RuntimeTest::randomValuesStayBelowOne()
{
    ClockRandomGenerator generator;
    generator.reseed(20261208);
    std::array<int, 16> cells{};
    constexpr int draws = 1 << 20;
    for (int i = 0; i < draws; ++i) {
        const float u = generator.next();
        QVERIFY(u >= 0.0f && u < 1.0f);
        ++cells[std::size_t(Arithmetic::floorToInteger(u * 16.0f))];
    }
    // Each cell expects 65536 draws; six standard deviations is about 1500.
    for (int count : cells)
        QVERIFY2(std::abs(count - draws / 16) < 1500, qPrintable(QString::number(count)));

    ClockRandomGenerator again;
    again.reseed(20261208);
    generator.reseed(20261208);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(again.next(), generator.next());
}

void RuntimeTest::randomReseedsFromTheClock()
{
    ClockRandomGenerator first;
    ClockRandomGenerator second;
    first.reseedFromClock();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    second.reseedFromClock();
    bool differ = false;
    for (int i = 0; i < 8; ++i)
        differ |= first.next() != second.next();
    QVERIFY(differ);
}

void RuntimeTest::errorTrapReportsAndEnds()
{
    ScriptedMessageBox messageBox;
    RecordingProgramEnd programEnd;
    ErrorTrap trap(messageBox, programEnd);

    trap.run([] { throw RuntimeError::overflow(); });
    QCOMPARE(messageBox.shown.size(), 1);
    QVERIFY(messageBox.shown[0].prompt.contains(QStringLiteral("Overflow")));
    QCOMPARE(messageBox.shown[0].style, int(MessageBox::Critical));
    QVERIFY(messageBox.shown[0].title.isEmpty());
    QCOMPARE(programEnd.statuses, QList<int>{1});

    trap.run([] { throw std::bad_alloc(); });
    QCOMPARE(messageBox.shown.size(), 2);
    QCOMPARE(programEnd.statuses.size(), 2);

    // A report that fails itself still ends the program.
    class FailingMessageBox : public MessageBox {
        int show(const QString &, int, const QString &) override { throw std::runtime_error("no display"); }
    } failing;
    ErrorTrap failingTrap(failing, programEnd);
    failingTrap.run([] { throw RuntimeError::typeMismatch(); });
    QCOMPARE(programEnd.statuses.size(), 3);
}

void RuntimeTest::errorTrapLeavesSuccessAlone()
{
    ScriptedMessageBox messageBox;
    RecordingProgramEnd programEnd;
    ErrorTrap trap(messageBox, programEnd);
    bool ran = false;
    trap.run([&] { ran = true; });
    QVERIFY(ran);
    QVERIFY(messageBox.shown.isEmpty());
    QVERIFY(programEnd.statuses.isEmpty());
}

QTEST_GUILESS_MAIN(RuntimeTest)
#include "tst_runtime.moc"
