#pragma once

#include <QByteArray>
#include <QString>

namespace velkari {

// The container tree of any project or skin file as indented text: sections with their counts
// and sizes, values with their sizes and a readable rendering. False when the bytes do not
// begin with a whole container.
bool DumpContainer(const QByteArray &bytes, QString &text);

} // namespace velkari
