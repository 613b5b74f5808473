#include "buttonfunctions.h"
#include "calculator.h"

#include <QTest>

using namespace velkari;

namespace {

// Key names as a calculator's faces show them; digits stand for themselves.
int keyCode(const QString &name)
{
    static const QHash<QString, int> codes{
        {".", CalcPoint}, {"+", CalcAdd}, {"-", CalcSubtract}, {"*", CalcMultiply}, {"/", CalcDivide},
        {"=", CalcEquals}, {"sqrt", CalcSquareRoot}, {"1/x", CalcReciprocal}, {"%", CalcPercent},
        {"+-", CalcChangeSign}, {"back", CalcBack}, {"C", CalcClear}, {"CE", CalcClearEntry},
        {"comma", CalcToggleComma}, {"MC", CalcMemoryClear}, {"MR", CalcMemoryRecall}, {"M+", CalcMemoryAdd},
        {"MS", CalcMemorySet}, {"pow", CalcPower}, {"root", CalcRoot}, {"exp", CalcExp}, {"pi", CalcPi},
        {"mod", CalcMod}, {"ln", CalcLn}, {"!", CalcFactorial}, {"sq", CalcSquare}, {"log", CalcLog},
        {"copy", CalcCopy}, {"paste", CalcPaste}, {"display", CalcDisplay}, {"key40", CalcKeyCount},
    };
    if (name.size() == 1 && name[0].isDigit())
        return name[0].digitValue();
    return codes.value(name, -1);
}

} // namespace

class TestCalculator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keys_data();
    void keys();
};

void TestCalculator::keys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("display");

    QTest::newRow("starts at 0") << "" << "0";
    QTest::newRow("leading zeros dropped") << "0 0 7" << "7";
    QTest::newRow("one point only") << "1 . 5 . 2" << "1.52";
    QTest::newRow("point starts 0.") << ". 5" << "0.5";
    QTest::newRow("at most 15 digits") << "1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7" << "123456789012345";
    QTest::newRow("immediate execution") << "2 + 3 * 4 =" << "20";
    QTest::newRow("second operator replaces the first") << "9 + - 4 =" << "5";
    QTest::newRow("= repeats the last operation") << "2 + 3 = =" << "8";
    QTest::newRow("= with no operand uses the first") << "5 * =" << "25";
    QTest::newRow("new number after =") << "2 + 3 = 7" << "7";
    QTest::newRow("repeat on a new number") << "2 + 3 = 7 =" << "10";
    QTest::newRow("subtraction below zero") << "3 - 8 =" << "-5";
    QTest::newRow("division") << "1 / 4 =" << "0.25";
    QTest::newRow("no binary noise") << ". 1 + . 2 =" << "0.3";
    QTest::newRow("divide by zero") << "1 / 0 =" << "Error";
    QTest::newRow("error ignores operations") << "1 / 0 = + sqrt =" << "Error";
    QTest::newRow("a digit starts afresh after an error") << "1 / 0 = 4 + 1 =" << "5";
    QTest::newRow("C clears all") << "5 + 3 C 2 =" << "2";
    QTest::newRow("CE clears the entry only") << "5 + 3 CE 2 =" << "7";
    QTest::newRow("back") << "1 2 3 back back" << "1";
    QTest::newRow("back to nothing is 0") << "7 back" << "0";
    QTest::newRow("back leaves a result alone") << "2 * 3 = back" << "6";
    QTest::newRow("change sign of an entry") << "1 2 +-" << "-12";
    QTest::newRow("change sign twice") << "1 2 +- +-" << "12";
    QTest::newRow("change sign of a result") << "2 * 3 = +-" << "-6";
    QTest::newRow("digits after a change of sign") << "1 +- 2" << "-12";
    QTest::newRow("square root") << "8 1 sqrt" << "9";
    QTest::newRow("square root of a negative") << "4 +- sqrt" << "Error";
    QTest::newRow("unary result is an operand") << "2 + 9 sqrt =" << "5";
    QTest::newRow("reciprocal") << "8 1/x" << "0.125";
    QTest::newRow("reciprocal of 0") << "0 1/x" << "Error";
    QTest::newRow("percent of the first operand") << "2 0 0 + 1 0 % =" << "220";
    QTest::newRow("percent alone") << "5 0 %" << "0.5";
    QTest::newRow("percent in a product") << "2 0 0 * 1 0 % =" << "20";
    QTest::newRow("memory set and recall") << "4 MS C 1 + MR =" << "5";
    QTest::newRow("memory add") << "4 MS 3 M+ C MR" << "7";
    QTest::newRow("memory clear") << "4 MS MC MR" << "0";
    QTest::newRow("memory outlives C") << "9 MS C C MR" << "9";
    QTest::newRow("power") << "2 pow 1 0 =" << "1024";
    QTest::newRow("root") << "2 7 root 3 =" << "3";
    QTest::newRow("odd root of a negative") << "8 +- root 3 =" << "-2";
    QTest::newRow("even root of a negative") << "1 6 +- root 2 =" << "Error";
    QTest::newRow("zeroth root") << "8 root 0 =" << "Error";
    QTest::newRow("exp") << "0 exp" << "1";
    QTest::newRow("pi") << "pi" << "3.14159265358979";
    QTest::newRow("pi as an operand") << "2 * pi =" << "6.28318530717959";
    QTest::newRow("mod") << "1 7 mod 5 =" << "2";
    QTest::newRow("mod 0") << "1 7 mod 0 =" << "Error";
    QTest::newRow("ln") << "1 ln" << "0";
    QTest::newRow("ln of 0") << "0 ln" << "Error";
    QTest::newRow("log") << "1 0 0 0 log" << "3";
    QTest::newRow("factorial") << "5 !" << "120";
    QTest::newRow("factorial of a fraction") << "2 . 5 !" << "Error";
    QTest::newRow("factorial beyond a double") << "1 7 1 !" << "Error";
    QTest::newRow("square") << "1 2 sq" << "144";
    QTest::newRow("overflow") << "1 0 pow 4 0 0 =" << "Error";
    QTest::newRow("thousands separated") << "1 2 3 4 5 6 7 . 5 comma" << "1,234,567.5";
    QTest::newRow("separators of a negative result") << "1 0 0 0 +- comma" << "-1,000";
    QTest::newRow("separators off again") << "1 2 3 4 comma comma" << "1234";
    QTest::newRow("copy and paste") << "4 2 copy C paste + 1 =" << "43";
    QTest::newRow("paste of separated digits") << "1 2 3 4 comma copy C comma paste" << "1234";
    QTest::newRow("paste of an error does nothing") << "1 / 0 = copy C 7 paste" << "7";
    QTest::newRow("display leaves it unchanged") << "1 + 2 display =" << "3";
    QTest::newRow("a code beyond the table does nothing") << "1 + 2 key40 =" << "3";
}

void TestCalculator::keys()
{
    QFETCH(QString, keys);
    QFETCH(QString, display);
    Calculator calculator;
    for (const QString &name : keys.split(u' ', Qt::SkipEmptyParts)) {
        const int code = keyCode(name);
        QVERIFY2(code >= 0, qPrintable(name));
        calculator.press(code);
    }
    QCOMPARE(calculator.display(), display);
}

QTEST_GUILESS_MAIN(TestCalculator)
#include "tst_calculator.moc"
