#include "projectfile.h"

#include "cebffile.h"
#include "skinfile.h"

#include <QCoreApplication>

#include <charconv>

namespace velkari {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(velkari::ProjectFile)
};

// Entries numbered at or beyond the list's capacity (up to the section's count) that really lie
// in the section; they are what reading leaves out. Looked up in file order, which keeps each
// lookup short whatever order a damaged file has them in.
template <typename Visit>
void forEachSurplusEntry(CEBFFile &file, int count, int capacity, Visit visit)
{
    if (count <= capacity)
        return;
    for (const QByteArray &name : file.EntryNames()) {
        int number = -1;
        if (!name.startsWith("Arr"))
            continue;
        const char *first = name.constData() + 3;
        const char *last = name.constData() + name.size();
        const auto [end, error] = std::from_chars(first, last, number);
        if (error != std::errc() || end != last || first == last || number < capacity || number >= count)
            continue;
        if (file.BeginSection(name)) {
            visit();
            file.EndSection();
        }
    }
}

} // namespace

QString LoadReport::message() const
{
    return Text::tr("Some parts of this project did not fit and were left out: %1 layout(s), "
                    "%2 row(s) and %3 key(s).\nA screen shape holds at most 20 layouts, a layout "
                    "6 rows and a row 30 buttons, the \"New\" cell included.")
        .arg(layouts)
        .arg(rows)
        .arg(keys);
}

void NumberedName::appendNumber(int number)
{
    m_length = std::to_chars(m_text + m_length, m_text + sizeof m_text, number).ptr - m_text;
}

void SerializeLayoutList(CEBFFile &file, LayoutList &list, QByteArrayView sectionName, SerializeContext &context)
{
    if (!file.BeginSection(sectionName))
        return;
    if (file.IsWriting()) {
        for (const auto &layout : list)
            SerializeLayout(file, *layout, NumberedName("Arr", layout->index), context);
    } else {
        const int count = file.EntryCount();
        list.clear();
        for (int i = 0; i < count && i < LayoutList::capacity; ++i) {
            auto layout = std::make_unique<SkinLayout>();
            SerializeLayout(file, *layout, NumberedName("Arr", i), context);
            list.append(std::move(layout));
        }
        forEachSurplusEntry(file, count, LayoutList::capacity, [&] { ++context.report.layouts; });
    }
    file.EndSection();
}

void SerializeLayout(CEBFFile &file, SkinLayout &layout, QByteArrayView sectionName, SerializeContext &context)
{
    if (file.IsSkinOutput()) {
        WriteLayoutSkinForm(file, layout, sectionName);
        return;
    }
    if (!file.BeginSection(sectionName))
        return;
    file.ExchangeString("Name", layout.name);
    file.ExchangeRelativePath("PicFileName", layout.picFileName, context.basePath);
    file.ExchangeInt16("Flags", layout.flags);
    file.ExchangeByte("DragUpLayout", layout.dragUpLayout, -1);
    SerializeRows(file, layout.rows, context);
    file.EndSection();
}

void SerializeRows(CEBFFile &file, RowList &rows, SerializeContext &context)
{
    if (!file.BeginSection("Rows"))
        return;
    if (file.IsWriting()) {
        for (const auto &row : rows) {
            file.BeginSection(NumberedName("Arr", row->index));
            file.ExchangeInt16("Height", row->height);
            SerializeButtons(file, row->buttons, context);
            file.EndSection();
        }
    } else {
        const int count = file.EntryCount();
        rows.clear();
        for (int i = 0; i < count && i < RowList::capacity; ++i) {
            auto row = std::make_unique<SkinRow>();
            if (file.BeginSection(NumberedName("Arr", i))) {
                file.ExchangeInt16("Height", row->height);
                SerializeButtons(file, row->buttons, context);
                file.EndSection();
            }
            rows.append(std::move(row));
        }
        forEachSurplusEntry(file, count, RowList::capacity, [&] { ++context.report.rows; });
    }
    file.EndSection();
}

void SerializeButtons(CEBFFile &file, ButtonList &buttons, SerializeContext &context)
{
    if (!file.BeginSection("RowButtons"))
        return;
    if (file.IsWriting()) {
        for (const auto &button : buttons)
            SerializeButton(file, *button, NumberedName("Arr", button->index));
    } else {
        const int count = file.EntryCount();
        buttons.clear();
        for (int i = 0; i < count && i < ButtonList::capacity; ++i) {
            auto button = std::make_unique<SkinButton>();
            SerializeButton(file, *button, NumberedName("Arr", i));
            buttons.append(std::move(button));
        }
        forEachSurplusEntry(file, count, ButtonList::capacity, [&] {
            quint16 flags = 0;
            file.ExchangeInt16("Flags", flags);
            if (!(flags & ButtonFlagPlaceholder))
                ++context.report.keys;
        });
        // A row of 30 real keys leaves no place for the "New" cell that every row ends with.
        if (buttons.isFull() && !buttons.last()->isPlaceholder()) {
            buttons.removeAt(buttons.count() - 1);
            ++context.report.keys;
        }
    }
    file.EndSection();
}

void SerializeButton(CEBFFile &file, SkinButton &button, QByteArrayView sectionName)
{
    if (!file.BeginSection(sectionName))
        return;
    file.ExchangeString("Caption", button.caption);
    file.ExchangeInt16("Flags", button.flags);
    file.ExchangeInt16("Char", button.charCode);
    file.ExchangeByte("VK", button.vk, 0);
    file.ExchangeInt16("Width", button.width);
    file.EndSection();
}

void writeProject(CEBFFile &file, SkinProject &project, const QString &basePath)
{
    SerializeContext context{basePath, {}};
    file.ExchangeInt32("TextColor", project.textColor);
    file.ExchangeInt32("HilightColor", project.highlightColor);
    file.ExchangeString("HelpFileName", project.helpFileName);
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        SerializeLayoutList(file, project.layoutList(shape), NumberedName("Shape", shape), context);
    while (file.Level() > 0)
        file.EndSection();
}

LoadReport readProject(CEBFFile &file, SkinProject &project)
{
    SerializeContext context{project.projectPath, {}};
    file.ExchangeInt32("TextColor", project.textColor);
    file.ExchangeInt32("HilightColor", project.highlightColor);
    file.ExchangeString("HelpFileName", project.helpFileName);
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        // A shape the file lacks must not keep the previous project's layouts.
        project.layoutList(shape).clear();
        SerializeLayoutList(file, project.layoutList(shape), NumberedName("Shape", shape), context);
    }
    NormalizeProject(project);
    return context.report;
}

QString damagedProjectMessage(const QString &path, const QString &damage)
{
    return Text::tr("The project file \"%1\" is damaged: %2.").arg(path, damage);
}

bool loadProjectFile(SkinProject &project, const QString &path, LoadReport *report)
{
    CEBFFile file(projectFileClassName());
    const bool opened = file.OpenForRead(path, MaxProjectFileSize);
    // Read as far as it goes, a damaged project would lose what lies beyond the damage, and the
    // next save would make that loss final. It is read aside and taken only when whole: read in
    // the order it was written, the reading itself checks its structure (CEBFFile::damage).
    SkinProject read;
    read.projectPath = path;
    LoadReport loaded;
    if (opened)
        loaded = readProject(file, read);
    const QString damage = file.damage();
    if (!opened || !damage.isEmpty()) {
        if (report)
            *report = LoadReport{0, 0, 0, damage};
        return false;
    }
    file.Close();
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        project.layoutList(shape).swap(read.layoutList(shape));
    project.textColor = read.textColor;
    project.highlightColor = read.highlightColor;
    project.helpFileName = read.helpFileName;
    project.projectPath = path;
    if (report)
        *report = loaded;
    return true;
}

void saveProjectFile(SkinProject &project, const QString &path)
{
    CEBFFile file(projectFileClassName());
    file.OpenForWrite(path);
    writeProject(file, project, path);
    file.Close();
}

} // namespace velkari
