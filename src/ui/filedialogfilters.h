#pragma once

#include <QStringList>

class QFileDialog;

namespace velkari {

// Gives the dialog its filters, each shown exactly as written, where "*.*" matches every file as
// the user expects, names without an extension included: taken literally it would hide them.
void setFileDialogFilters(QFileDialog &dialog, const QStringList &filters);

// Where a file dialog starts: the folder of the first of `files` (full paths; others are skipped)
// whose folder exists, else that of the project opened last, else the home folder. Never the
// process's working folder, which says nothing about the user's work.
QString fileDialogFolder(const QStringList &files);

} // namespace velkari
