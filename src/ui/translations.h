#pragma once

#include <QLocale>

namespace velkari {

// Installs the editor's texts and Qt's own (dialog buttons, file and colour dialogs) for the first
// of the locale's languages that has them, replacing whatever an earlier call installed. True when
// the editor's own texts were found; otherwise it speaks its English source texts.
bool installTranslations(const QLocale &locale);

} // namespace velkari
