#pragma once

#include <QString>

namespace velkari {

// The calculator the calculator keys drive: immediate execution (2 + 3 × 4 = 20), = repeating
// the last operation, a memory, and an error state that the next digit, C or CE clears. It knows
// the forty CalcKey codes; Display (39) is the device's to act on, and leaves it unchanged.
class Calculator
{
public:
    void press(int key);
    // The number shown: what is being typed, as typed, or the last result; "Error" after a
    // failed operation.
    QString display() const;
    double value() const;
    double memory() const { return m_memory; }
    bool hasError() const { return m_error; }
    // What Copy put there and Paste reads.
    const QString &clipboard() const { return m_clipboard; }

private:
    void digit(QChar digit);
    void point();
    void binary(int operation);
    void equals();
    void unary(int key);
    void back();
    void changeSign();
    void showResult(double value);
    void clearAll();

    QString m_entry;          // the number being typed; empty while a result is shown
    double m_result = 0;      // shown while m_entry is empty
    double m_accumulator = 0; // the left operand of m_pending
    int m_pending = -1;       // the operation waiting for its right operand
    bool m_operandReady = false; // a number was given since the last operation key
    int m_lastOperation = -1; // what = repeats
    double m_lastOperand = 0;
    double m_memory = 0;
    bool m_error = false;
    bool m_grouping = false; // Toggle Comma: thousands separated by commas
    QString m_clipboard;
};

} // namespace velkari
