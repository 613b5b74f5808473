#include "benchsupport.h"

#include "compiledskin.h"
#include "projectfile.h"
#include "typingsearch.h"

#include <memory>

namespace velkari::bench {

// The search behind velkari-skin type, on the example's Portrait shape, against opening the
// largest project: a search an author runs by hand should cost no more than opening a file.
void benchDevice(BenchContext &context, const std::function<bool(const char *)> &wanted)
{
    if (!wanted("type_alphabet"))
        return;
    SkinProject example;
    if (!loadProjectFile(example, QStringLiteral(VELKARI_EXAMPLES "/velkari-demo.vsp")))
        qFatal("type_alphabet: the example project does not open");
    const CompiledSkin skin = compileSkin(example);
    const QString text = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    TypingResult result;
    std::unique_ptr<SkinProject> project;
    const Timing timing = timePair(
        context.runs, [&] { result = findKeyPresses(skin, Portrait, text); },
        [&] { loadProjectFile(*project, context.projectPath); }, [&] { project = std::make_unique<SkinProject>(); });
    if (!result.found())
        qFatal("type_alphabet: the example cannot type the alphabet");
    out() << QStringLiteral("# type_alphabet: %1 presses for %2 characters\n").arg(result.presses.size()).arg(text.size());
    report("type_alphabet", "open_max", timing);
}

} // namespace velkari::bench
