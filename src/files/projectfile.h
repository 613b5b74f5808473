#pragma once

#include "skinproject.h"

#include <QByteArrayView>
#include <QString>

#include <cstring>

namespace velkari {

class CEBFFile;

inline QString projectFileClassName() { return QStringLiteral("VELKARI_PRJFILE"); }

// No project can be larger than about 2 MiB (4 shapes of 20 layouts of 6 rows of 30 buttons);
// anything much larger is not a project and is refused before it is read.
constexpr qint64 MaxProjectFileSize = 16 * 1024 * 1024;

// What reading a project file had to leave out because a list was already full. Placeholders
// are not counted: they are rebuilt anyway.
struct LoadReport
{
    int layouts = 0;
    int rows = 0;
    int keys = 0;
    // Where a project file that was refused contradicts its own structure; empty for a file that
    // is no project at all.
    QString damage;

    bool isEmpty() const { return layouts == 0 && rows == 0 && keys == 0; }
    QString message() const;
};

// State shared by the serialisers of one file: the base that picture paths are relative to, and
// while reading, what did not fit.
struct SerializeContext
{
    QString basePath;
    LoadReport report;
};

// "Arr%d" and "Shape%d" without an allocation. Inline: reading forms one for every record it
// reads.
class NumberedName
{
public:
    template <std::size_t N>
    NumberedName(const char (&prefix)[N], int number)
        : m_length(N - 1)
    {
        static_assert(N <= 16);
        std::memcpy(m_text, prefix, N - 1);
        if (number < 0 || number >= 100) {
            appendNumber(number);
            return;
        }
        if (number >= 10)
            m_text[m_length++] = char('0' + number / 10);
        m_text[m_length++] = char('0' + number % 10);
    }
    operator QByteArrayView() const { return QByteArrayView(m_text, m_length); }

private:
    void appendNumber(int number);

    char m_text[32];
    qsizetype m_length = 0;
};

void SerializeLayoutList(CEBFFile &file, LayoutList &list, QByteArrayView sectionName, SerializeContext &context);
void SerializeLayout(CEBFFile &file, SkinLayout &layout, QByteArrayView sectionName, SerializeContext &context);
void SerializeRows(CEBFFile &file, RowList &rows, SerializeContext &context);
void SerializeButtons(CEBFFile &file, ButtonList &buttons, SerializeContext &context);
void SerializeButton(CEBFFile &file, SkinButton &button, QByteArrayView sectionName);

// Reads a project file into `project`: false, with the project untouched, when the file cannot be
// read, is not a project file, or is a damaged one (the report says where). Otherwise
// projectPath becomes `path`, every shape is read anew (a shape missing from the file ends up
// with a fresh layout) and the project is normalised.
bool loadProjectFile(SkinProject &project, const QString &path, LoadReport *report = nullptr);
// "The project file "PATH" is damaged: WHERE.", for a report's damage.
QString damagedProjectMessage(const QString &path, const QString &damage);
// Writes the whole project with picture paths relative to `path`. Raises FileError; a failed
// save leaves any previous file as it was.
void saveProjectFile(SkinProject &project, const QString &path);
// The same into an open container, for callers that keep the bytes in memory.
void writeProject(CEBFFile &file, SkinProject &project, const QString &basePath);
LoadReport readProject(CEBFFile &file, SkinProject &project);

} // namespace velkari
