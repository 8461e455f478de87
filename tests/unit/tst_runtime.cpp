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
#include <functional>
#include <limits>
#include <thread>

namespace {

// A conversion or a sum, its result in a variant.
using Operation = std::function<QVariant()>;

template <typename Compute>
Operation operation(Compute compute)
{
    return [compute] { return QVariant::fromValue(compute()); };
}

const QVariant Error;

using Procedure = std::function<void()>;

class FailingMessageBox : public MessageBox {
    int show(const QString &, int, const QString &) override { throw std::runtime_error("no display"); }
};

} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Procedure)

class RuntimeTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void results_data();
    void results();
    void randomValues();
    void errorTrap_data();
    void errorTrap();
};

// A result of Error: the operation raises a run-time error. The user's locale
// must not change how the counter reads.
void RuntimeTest::results_data()
{
    constexpr float bigFloat = std::numeric_limits<float>::max();
    QTest::addColumn<Operation>("compute");
    QTest::addColumn<QVariant>("result");
    QTest::newRow("text of 0") << operation([] { return Conversions::numberToText(0.0); }) << QVariant("0");
    QTest::newRow("text of -0") << operation([] { return Conversions::numberToText(-0.0); }) << QVariant("0");
    QTest::newRow("text of 10") << operation([] { return Conversions::numberToText(10.0); }) << QVariant("10");
    QTest::newRow("text of 1e6") << operation([] { return Conversions::numberToText(1e6); }) << QVariant("1000000");
    QTest::newRow("text of 1e20") << operation([] { return Conversions::numberToText(1e20); }) << QVariant("100000000000000000000");
    QTest::newRow("text of 2.5") << operation([] { return Conversions::numberToText(2.5); }) << QVariant("2.5");
    QTest::newRow("text of infinity") << operation([] { return Conversions::numberToText(HUGE_VAL); }) << Error;
    QTest::newRow("41") << operation([] { return Conversions::textToNumber("41"); }) << QVariant(41.0);
    QTest::newRow("' 9 '") << operation([] { return Conversions::textToNumber(" 9 "); }) << QVariant(9.0);
    QTest::newRow("1e3") << operation([] { return Conversions::textToNumber("1e3"); }) << QVariant(1000.0);
    QTest::newRow("1.5") << operation([] { return Conversions::textToNumber("1.5"); }) << QVariant(1.5);
    QTest::newRow("empty text") << operation([] { return Conversions::textToNumber(""); }) << Error;
    QTest::newRow("abc") << operation([] { return Conversions::textToNumber("abc"); }) << Error;
    QTest::newRow("12x") << operation([] { return Conversions::textToNumber("12x"); }) << Error;
    QTest::newRow("inf") << operation([] { return Conversions::textToNumber("inf"); }) << Error;
    QTest::newRow("nan") << operation([] { return Conversions::textToNumber("nan"); }) << Error;
    QTest::newRow("32766 + 1") << operation([] { return Arithmetic::add(Integer(32766), Integer(1)); }) << QVariant(32767);
    QTest::newRow("32767 + 1") << operation([] { return Arithmetic::add(Integer(32767), Integer(1)); }) << Error;
    QTest::newRow("-32768 - 1") << operation([] { return Arithmetic::add(Integer(-32768), Integer(-1)); }) << Error;
    QTest::newRow("float sum") << operation([] { return Arithmetic::add(1410.0f, 1170.0f); }) << QVariant(2580.0f);
    QTest::newRow("float difference") << operation([] { return Arithmetic::subtract(240.0f, 1170.0f); }) << QVariant(-930.0f);
    QTest::newRow("float sum overflows") << operation([] { return Arithmetic::add(bigFloat, bigFloat); }) << Error;
    QTest::newRow("float difference overflows") << operation([] { return Arithmetic::subtract(-bigFloat, bigFloat); }) << Error;
    QTest::newRow("double sum") << operation([] { return Arithmetic::add(999999.0, 1.0); }) << QVariant(1000000.0);
    QTest::newRow("double sum overflows")
        << operation([] { return Arithmetic::add(std::numeric_limits<double>::max(), 1e308); }) << Error;
    QTest::newRow("floor of 8") << operation([] { return Arithmetic::floorToInteger(0.5f * 16.0f); }) << QVariant(8);
    QTest::newRow("floor of 8.48") << operation([] { return Arithmetic::floorToInteger(0.53f * 16.0f); }) << QVariant(8);
    // The largest float below 1 must still draw cell 15, not 16.
    QTest::newRow("floor just below 16")
        << operation([] { return Arithmetic::floorToInteger(std::nextafter(1.0f, 0.0f) * 16.0f); }) << QVariant(15);
    QTest::newRow("floor of -0.5") << operation([] { return Arithmetic::floorToInteger(-0.5f); }) << QVariant(-1);
    QTest::newRow("floor beyond Integer") << operation([] { return Arithmetic::floorToInteger(40000.0f); }) << Error;
    QTest::newRow("floor of NaN") << operation([] { return Arithmetic::floorToInteger(std::nanf("")); }) << Error;
    QTest::newRow("array(16)") << operation([] { return IntegerArray<16>()(16); }) << Error;
    QTest::newRow("array(-1)") << operation([] { return IntegerArray<16>()(-1); }) << Error;
}

void RuntimeTest::results()
{
    QFETCH(Operation, compute);
    QFETCH(QVariant, result);
    QLocale::setDefault(QLocale(QLocale::German));
    if (result.isValid())
        QCOMPARE(compute(), result);
    else
        QVERIFY_THROWS_EXCEPTION(RuntimeError, compute());
}

// Below 1, even over the cells, the same again from the same seed.
void RuntimeTest::randomValues()
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

    // Seeded from the clock a moment apart, two generators differ.
    generator.reseedFromClock();
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    again.reseedFromClock();
    bool differ = false;
    for (int i = 0; i < 8; ++i)
        differ |= again.next() != generator.next();
    QVERIFY(differ);
}

void RuntimeTest::errorTrap_data()
{
    QTest::addColumn<Procedure>("procedure");
    QTest::addColumn<bool>("reportFails");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QList<int>>("statuses");
    QTest::newRow("run-time error") << Procedure([] { throw RuntimeError::overflow(); }) << false << "Overflow" << QList<int>{1};
    QTest::newRow("other exception") << Procedure([] { throw std::bad_alloc(); }) << false << "bad_alloc" << QList<int>{1};
    // A report that fails itself still ends the program.
    QTest::newRow("failing report") << Procedure([] { throw RuntimeError::typeMismatch(); }) << true << "" << QList<int>{1};
    QTest::newRow("success") << Procedure([] {}) << false << "" << QList<int>{};
}

void RuntimeTest::errorTrap()
{
    QFETCH(Procedure, procedure);
    QFETCH(bool, reportFails);
    QFETCH(QString, report);
    QFETCH(QList<int>, statuses);
    ScriptedMessageBox messageBox;
    FailingMessageBox failing;
    RecordingProgramEnd programEnd;
    ErrorTrap(reportFails ? static_cast<MessageBox &>(failing) : messageBox, programEnd).run(procedure);
    QCOMPARE(programEnd.statuses, statuses);
    QCOMPARE(messageBox.shown.size(), report.isEmpty() ? 0 : 1);
    if (report.isEmpty())
        return;
    QVERIFY(messageBox.shown[0].prompt.contains(report));
    QCOMPARE(messageBox.shown[0].style, int(MessageBox::Critical));
    QVERIFY(messageBox.shown[0].title.isEmpty());
}

QTEST_GUILESS_MAIN(RuntimeTest)
#include "tst_runtime.moc"
