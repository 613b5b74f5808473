#pragma once

#include <QByteArray>

class QTextStream;

namespace velkari {

// The container tree of any project or skin file as indented text: sections with their counts
// and sizes, values with their sizes and a readable rendering. False, with nothing written, when
// the bytes do not begin with a whole container. Written line by line: the text of a file of many
// tiny entries is some thirty times its size and must not be held in memory whole.
bool dumpContainer(const QByteArray &bytes, QTextStream &out);

} // namespace velkari
