#include "calculator.h"

#include "buttonfunctions.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace velkari {

namespace {

// A double holds about fifteen decimal digits; more would only show noise.
constexpr int MaxEntryDigits = 15;
constexpr int ShownDigits = 15;
constexpr double Failed = std::numeric_limits<double>::quiet_NaN();

bool isInteger(double value)
{
    return std::isfinite(value) && value == std::floor(value);
}

double factorial(double n)
{
    if (!isInteger(n) || n < 0 || n > 170) // 171! is beyond a double
        return Failed;
    double result = 1;
    for (int i = 2; i <= int(n); ++i)
        result *= i;
    return result;
}

QString grouped(const QString &number)
{
    if (number.contains(u'e'))
        return number;
    const qsizetype start = number.startsWith(u'-') ? 1 : 0;
    qsizetype end = number.indexOf(u'.');
    if (end < 0)
        end = number.size();
    QString text = number;
    for (qsizetype at = end - 3; at > start; at -= 3)
        text.insert(at, u',');
    return text;
}

double apply(int operation, double left, double right)
{
    switch (operation) {
    case CalcAdd:
        return left + right;
    case CalcSubtract:
        return left - right;
    case CalcMultiply:
        return left * right;
    case CalcDivide:
        return right == 0 ? Failed : left / right;
    case CalcPower:
        return std::pow(left, right);
    case CalcRoot:
        if (right == 0)
            return Failed;
        // An odd root of a negative number is real: the cube root of -8 is -2.
        if (left < 0)
            return isInteger(right) && std::fmod(right, 2) != 0 ? -std::pow(-left, 1 / right) : Failed;
        return std::pow(left, 1 / right);
    case CalcMod:
        return right == 0 ? Failed : std::fmod(left, right);
    }
    return Failed;
}

QString formatted(double value)
{
    return QString::number(value, 'g', ShownDigits);
}

} // namespace

void Calculator::press(int key)
{
    if (key >= CalcDigit0 && key <= CalcDigit9) {
        digit(QChar(u'0' + key));
        return;
    }
    switch (key) {
    case CalcPoint:
        point();
        return;
    case CalcClear:
        clearAll();
        return;
    case CalcClearEntry:
        m_error = false;
        m_entry = QStringLiteral("0");
        m_operandReady = true;
        return;
    case CalcToggleComma:
        m_grouping = !m_grouping;
        return;
    case CalcMemoryClear:
        m_memory = 0;
        return;
    case CalcCopy:
        m_clipboard = display();
        return;
    default:
        break;
    }
    if (m_error)
        return;
    switch (key) {
    case CalcAdd:
    case CalcSubtract:
    case CalcMultiply:
    case CalcDivide:
    case CalcPower:
    case CalcRoot:
    case CalcMod:
        binary(key);
        break;
    case CalcEquals:
        equals();
        break;
    case CalcBack:
        back();
        break;
    case CalcChangeSign:
        changeSign();
        break;
    case CalcMemoryRecall:
        showResult(m_memory);
        m_operandReady = true;
        break;
    case CalcMemoryAdd:
    case CalcMemorySet:
        // The number is done: the next digit starts another.
        m_memory = key == CalcMemoryAdd ? m_memory + value() : value();
        showResult(value());
        break;
    case CalcPi:
        showResult(std::numbers::pi);
        m_operandReady = true;
        break;
    case CalcPaste: {
        bool ok = false;
        const double pasted = QString(m_clipboard).remove(u',').toDouble(&ok);
        if (ok) {
            showResult(pasted);
            m_operandReady = true;
        }
        break;
    }
    case CalcSquareRoot:
    case CalcReciprocal:
    case CalcPercent:
    case CalcExp:
    case CalcLn:
    case CalcFactorial:
    case CalcSquare:
    case CalcLog:
        unary(key);
        break;
    default: // Display, and codes beyond the table
        break;
    }
}

QString Calculator::display() const
{
    if (m_error)
        return QStringLiteral("Error");
    const QString number = m_entry.isEmpty() ? formatted(m_result) : m_entry;
    return m_grouping ? grouped(number) : number;
}

double Calculator::value() const
{
    return m_entry.isEmpty() ? m_result : m_entry.toDouble();
}

void Calculator::digit(QChar digit)
{
    if (m_error)
        clearAll();
    qsizetype digits = 0;
    for (QChar c : std::as_const(m_entry))
        digits += c.isDigit();
    if (m_entry.isEmpty() || m_entry == QLatin1String("0"))
        m_entry = digit;
    else if (m_entry == QLatin1String("-0"))
        m_entry = QStringLiteral("-") + digit;
    else if (digits < MaxEntryDigits)
        m_entry += digit;
    m_operandReady = true;
}

void Calculator::point()
{
    if (m_error)
        clearAll();
    if (m_entry.isEmpty())
        m_entry = QStringLiteral("0");
    if (!m_entry.contains(u'.'))
        m_entry += u'.';
    m_operandReady = true;
}

void Calculator::binary(int operation)
{
    if (m_pending < 0) {
        m_accumulator = value();
    } else if (m_operandReady) {
        showResult(apply(m_pending, m_accumulator, value()));
        if (m_error)
            return;
        m_accumulator = m_result;
    } // else a second operation key in a row replaces the first
    m_pending = operation;
    m_operandReady = false;
    m_entry.clear();
    m_result = m_accumulator;
}

void Calculator::equals()
{
    if (m_pending >= 0) {
        // "5 + =" adds 5 to itself, as pocket calculators do.
        const double right = m_operandReady ? value() : m_accumulator;
        m_lastOperation = m_pending;
        m_lastOperand = right;
        m_pending = -1;
        showResult(apply(m_lastOperation, m_accumulator, right));
    } else if (m_lastOperation >= 0) {
        showResult(apply(m_lastOperation, value(), m_lastOperand));
    } else {
        showResult(value());
    }
    m_operandReady = false;
}

void Calculator::unary(int key)
{
    const double x = value();
    double result = Failed;
    switch (key) {
    case CalcSquareRoot:
        result = x < 0 ? Failed : std::sqrt(x);
        break;
    case CalcReciprocal:
        result = x == 0 ? Failed : 1 / x;
        break;
    case CalcPercent:
        // 200 + 10 % adds 10 % of 200; otherwise a percentage is a hundredth.
        result = m_pending == CalcAdd || m_pending == CalcSubtract ? m_accumulator * x / 100 : x / 100;
        break;
    case CalcExp:
        result = std::exp(x);
        break;
    case CalcLn:
        result = x <= 0 ? Failed : std::log(x);
        break;
    case CalcLog:
        result = x <= 0 ? Failed : std::log10(x);
        break;
    case CalcFactorial:
        result = factorial(x);
        break;
    case CalcSquare:
        result = x * x;
        break;
    }
    showResult(result);
    m_operandReady = true;
}

void Calculator::back()
{
    if (m_entry.isEmpty()) // a result is not edited digit by digit
        return;
    m_entry.chop(1);
    if (m_entry.isEmpty() || m_entry == QLatin1String("-"))
        m_entry = QStringLiteral("0");
}

void Calculator::changeSign()
{
    if (m_entry.isEmpty()) {
        showResult(-m_result);
    } else if (m_entry.startsWith(u'-')) {
        m_entry.remove(0, 1);
    } else {
        m_entry.prepend(u'-');
    }
    m_operandReady = true;
}

void Calculator::showResult(double value)
{
    m_entry.clear();
    if (!std::isfinite(value)) {
        m_error = true;
        m_pending = -1;
        m_operandReady = false;
        m_result = 0;
        return;
    }
    m_result = value == 0 ? 0 : value; // never "-0"
}

void Calculator::clearAll()
{
    m_entry.clear();
    m_result = 0;
    m_accumulator = 0;
    m_pending = -1;
    m_operandReady = false;
    m_lastOperation = -1;
    m_lastOperand = 0;
    m_error = false;
}

} // namespace velkari
