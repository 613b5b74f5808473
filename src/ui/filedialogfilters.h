#pragma once

#include <QStringList>

class QFileDialog;

namespace velkari {

// Gives the dialog its filters, each shown exactly as written, where "*.*" matches every file as
// the user expects, names without an extension included: taken literally it would hide them.
void setFileDialogFilters(QFileDialog &dialog, const QStringList &filters);

} // namespace velkari
