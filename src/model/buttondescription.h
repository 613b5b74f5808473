#pragma once

#include "skinproject.h"

#include <QString>
#include <QStringList>

namespace velkari {

// The status-area text for a key: its caption, what it does, its width and its options, one per
// line, each line ended by a line feed alone. shapeLayouts are the layouts of the key's own screen
// shape, which a Change Layout target numbers. Values beyond their tables are shown, not refused.
QString DescribeButton(const SkinButton &button, const LayoutList &shapeLayouts,
                       const QString &helpFileName);

// What the key does and its options, as its description's lines say it, without the caption and
// width lines: "Sends Char:a and VK:41", "Toggle Button 1", ...
QStringList describeKeyFunction(const SkinButton &button, const LayoutList &shapeLayouts,
                                const QString &helpFileName);

// printf's "%0<digits>X": at least that many upper-case hexadecimal digits, as every code a key
// holds is shown.
QString hexDigits(quint64 value, int digits);

} // namespace velkari
