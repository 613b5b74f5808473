#pragma once

#include "compiledskin.h"

#include <QList>
#include <QStringView>

namespace velkari {

struct TypingResult
{
    // (row, key) of the layout shown at each press, in order.
    QList<SkinLayoutData::KeyPosition> presses;
    // The first character that no sequence of presses reaches, or -1.
    qsizetype failedAt = -1;
    // The search stopped at its limit of states before it found an answer.
    bool gaveUp = false;

    bool found() const { return failedAt < 0 && !gaveUp; }
};

// Enough for texts of thousands of characters on any ordinary skin, and a bound on the memory a
// hostile skin with many toggle keys can make the search take (about 100 bytes a state).
constexpr int DefaultMaxTypingStates = 300000;

// The shortest sequence of key presses that types `text` on a device just started on `shape`: a
// breadth-first search over the position in the text, the layout, the layout Return goes back to
// and the toggle keys held, stepped by the device's own rules. It never presses a key that erases
// or one that types the calculator's display, whose text depends on more than this state.
TypingResult findKeyPresses(const CompiledSkin &skin, int shape, QStringView text,
                            int maxStates = DefaultMaxTypingStates);

} // namespace velkari
