#include "fuzzcases.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// One small real picture for every layout, written once.
const QString &picturePath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("k.gif"));
        QFile picture(file);
        if (!picture.open(QIODevice::WriteOnly) || picture.write("GIF89a\x01\x00\x01\x00 fuzz picture") <= 0)
            std::abort();
        return file;
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString problem = velkari::fuzz::checkProjectBytes(bytes, picturePath());
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "fuzz_project: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
