#include "fuzzcases.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString problem = velkari::fuzz::checkContainerBytes(bytes);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "fuzz_container: %s\n", qPrintable(problem));
        std::abort();
    }
    return 0;
}
