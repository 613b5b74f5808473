#include "fuzzcases.h"

#include "buttondescription.h"
#include "cebffile.h"
#include "containerentry.h"
#include "fileerror.h"
#include "projectchecker.h"
#include "keyboarddevice.h"
#include "kleexport.h"
#include "kleimport.h"
#include "projectfile.h"
#include "skinfile.h"
#include "skinlayoutdata.h"
#include "typingsearch.h"

#include <QFile>
#include <QSet>

#include <limits>

namespace velkari::fuzz {

namespace {

// Deeper than the reader ever goes; only bounds the recursion of the raw parse.
constexpr int MaxRawDepth = 64;
// The data-driven walk re-lists the current section before each step; this keeps an input fast.
constexpr int MaxSteps = 512;

const QString BasePath = QStringLiteral("/fuzz/base/project.vsp");

QString at(const char *what, quint32 offset)
{
    return QStringLiteral("%1 (entry at offset %2)").arg(QLatin1String(what)).arg(offset);
}

QString checkLayoutData(QByteArrayView body)
{
    SkinLayoutData data;
    if (!decodeSkinLayoutData(body, data))
        return {};
    qint64 size = SkinLayoutData::HeaderSize + SkinLayoutData::FooterSize;
    for (const QList<SkinKeyRecord> &row : data.rows)
        size += 4 + qint64(SkinKeyRecord::Size) * row.size();
    if (size != body.size())
        return QStringLiteral("layout data of %1 bytes decoded as a record of %2").arg(body.size()).arg(size);
    return {};
}

// The entries as listEntries sees them: contiguous from the start of the body and inside it.
QString checkRawTree(QByteArrayView body, qint32 count, int depth)
{
    const QList<ContainerEntry> entries = listEntries(body, count);
    if (entries.size() > qMax(count, 0))
        return QStringLiteral("more entries listed than the count allows");
    quint32 pos = 0;
    for (const ContainerEntry &entry : entries) {
        if (entry.offset != pos)
            return at("entries not contiguous", entry.offset);
        if (entry.body.data() < body.data() || entry.body.data() + entry.body.size() > body.data() + body.size())
            return at("entry body outside its section", entry.offset);
        pos += entry.length();
        QString problem;
        if (entry.count == 0 && entry.name == QByteArrayView("D"))
            problem = checkLayoutData(entry.body);
        else if (entry.count > 0 && depth < MaxRawDepth)
            problem = checkRawTree(entry.body, entry.count, depth + 1);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

// Whether every section a reader can enter holds whole entries up to its end, no count negative:
// what findContainerDamage answers, asked again through listEntries.
bool wholeTree(QByteArrayView body, int level)
{
    quint32 used = 0;
    for (const ContainerEntry &entry : listEntries(body, std::numeric_limits<qint32>::max())) {
        if (entry.count < 0)
            return false;
        used += entry.length();
        if (entry.count > 0 && entry.size > 0 && level + 1 < CEBFFile::MaxLevels && !wholeTree(entry.body, level + 1))
            return false;
    }
    return used == body.size();
}

// Reads every entry of the reader's current section in file order, which must find each one,
// and writes what it read to `writer`. Sections the reader refuses (too deep) are left out.
QString copySection(CEBFFile &reader, CEBFFile &writer, QByteArrayView body, qint32 count)
{
    const QList<ContainerEntry> entries = listEntries(body, count);
    const QList<QByteArray> names = reader.EntryNames();
    if (names.size() != entries.size())
        return QStringLiteral("EntryNames gives %1 names for %2 entries").arg(names.size()).arg(entries.size());
    bool refused = false; // a refused section keeps the cursor on it, so a later lookup may stop there
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const ContainerEntry &entry = entries[i];
        if (names[i] != entry.name)
            return at("EntryNames out of order", entry.offset);
        if (entry.count == 0) {
            QByteArray expected = entry.body.toByteArray();
            QByteArray value(expected.size(), Qt::Uninitialized);
            for (qsizetype b = 0; b < value.size(); ++b)
                value[b] = char(~expected[b]);
            reader.ExchangeData(entry.name, entry.size, value.data(), nullptr);
            if (!refused && value != expected)
                return at("a value read in file order was not found", entry.offset);
            writer.ExchangeData(entry.name, entry.size, expected.data(), nullptr);
            continue;
        }
        const int level = reader.Level();
        if (!reader.BeginSection(entry.name)) {
            if (level + 1 < CEBFFile::MaxLevels)
                return at("a section read in file order was not found", entry.offset);
            refused = true;
            continue;
        }
        if (reader.EntryCount() != entry.count)
            return at("EntryCount differs from the stored count", entry.offset);
        if (!writer.BeginSection(entry.name))
            return at("the writer refused a section the reader entered", entry.offset);
        const QString problem = copySection(reader, writer, entry.body, entry.count);
        if (!problem.isEmpty())
            return problem;
        reader.EndSection();
        writer.EndSection();
        if (reader.Level() != level || writer.Level() != level)
            return at("EndSection did not return to the parent level", entry.offset);
    }
    return {};
}

// Opens `bytes` with `className` and copies the class section into memory.
QString copyContainer(const QByteArray &bytes, const QString &className, QByteArray &copy)
{
    CEBFFile reader(className);
    if (!reader.OpenForReadBytes(bytes))
        return QStringLiteral("a container with a whole first entry did not open");
    ContainerEntry top;
    parseEntryAt(bytes, 0, quint32(bytes.size()), top);
    CEBFFile writer(className);
    writer.OpenForWriteInMemory();
    const QString problem = copySection(reader, writer, top.body, top.count);
    if (!problem.isEmpty())
        return problem;
    while (writer.Level() > 0)
        writer.EndSection();
    copy = writer.Bytes();
    return {};
}

class StepSource
{
public:
    explicit StepSource(const QByteArray &bytes)
        : m_bytes(bytes)
        , m_left(bytes.size())
    {
    }
    int next() { return m_left > 0 ? uchar(m_bytes[--m_left]) : -1; }

private:
    const QByteArray &m_bytes;
    qsizetype m_left;
};

// Any sequence of calls a caller could make, steered by the input read from its end backwards.
QString walkBySteps(const QByteArray &bytes, const QString &className)
{
    CEBFFile reader(className);
    reader.OpenForReadBytes(bytes);
    StepSource steps(bytes);
    char buffer[256];
    const char fallback[256] = {};
    for (int step = 0; step < MaxSteps; ++step) {
        const int code = steps.next();
        if (code < 0)
            break;
        const int arg = qMax(steps.next(), 0);
        const QList<QByteArray> names = reader.EntryNames();
        QByteArray name = names.isEmpty() ? QByteArray("Arr0") : names[arg % names.size()];
        switch (code % 11) {
        case 0:
            reader.BeginSection(name);
            break;
        case 1:
            reader.EndSection();
            break;
        case 2: {
            quint32 v = 0;
            reader.ExchangeInt32(name, v);
            break;
        }
        case 3: {
            quint16 v = 0;
            reader.ExchangeInt16(name, v);
            break;
        }
        case 4: {
            quint8 v = 0;
            reader.ExchangeByte(name, v, quint8(arg));
            if (v != arg && !names.contains(name))
                return QStringLiteral("a missing byte value did not take its default");
            break;
        }
        case 5: {
            QString text;
            reader.ExchangeString(name, text, QStringLiteral("default"));
            break;
        }
        case 6: {
            QString path;
            reader.ExchangeRelativePath(name, path, BasePath);
            break;
        }
        case 7:
            reader.ExchangeData(name, quint32(arg), buffer, fallback);
            break;
        case 8: {
            // A name that is not there: the value keeps its default and the cursor stays.
            name.append(char(arg));
            if (names.contains(name))
                break;
            quint32 v = 77;
            reader.ExchangeInt32(name, v);
            if (v != 0)
                return QStringLiteral("a missing value did not read as 0");
            if (reader.BeginSection(name))
                return QStringLiteral("BeginSection found a missing name");
            break;
        }
        case 9:
            if (reader.BeginSection(name) && reader.EntryCount() > 0 && reader.EntryNames().size() > reader.EntryCount())
                return QStringLiteral("more entry names than the section's count");
            break;
        default:
            while (reader.Level() > 1)
                reader.EndSection();
            break;
        }
        if (reader.Level() < 0 || reader.Level() >= CEBFFile::MaxLevels)
            return QStringLiteral("level %1 out of range").arg(reader.Level());
    }
    return {};
}

QString checkProjectShape(const SkinProject &project)
{
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const LayoutList &layouts = project.layoutList(shape);
        if (layouts.isEmpty())
            return QStringLiteral("shape %1 has no layout").arg(shape);
        int l = 0;
        for (const auto &layout : layouts) {
            if (layout->index != l++ || layout->rows.isEmpty())
                return QStringLiteral("shape %1 layout %2 misnumbered or without rows").arg(shape).arg(l - 1);
            int r = 0;
            for (const auto &row : layout->rows) {
                const ButtonList &buttons = row->buttons;
                if (row->index != r++ || buttons.isEmpty() || !buttons.last()->isPlaceholder()
                    || (buttons.count() > 1 && buttons.at(buttons.count() - 2)->isPlaceholder()))
                    return QStringLiteral("shape %1 layout %2 row %3 does not end in one placeholder")
                        .arg(shape).arg(l - 1).arg(r - 1);
                int b = 0;
                for (const auto &button : buttons) {
                    if (button->index != b++)
                        return QStringLiteral("a button is misnumbered");
                }
            }
        }
    }
    return {};
}

QByteArray writeProjectBytes(SkinProject &project)
{
    CEBFFile file(projectFileClassName());
    file.OpenForWriteInMemory();
    writeProject(file, project, project.projectPath);
    return file.Bytes();
}

void describeEveryKey(const SkinProject &project)
{
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const LayoutList &layouts = project.layoutList(shape);
        for (const auto &layout : layouts) {
            for (const auto &row : layout->rows) {
                for (const auto &button : row->buttons)
                    DescribeButton(*button, layouts, project.helpFileName);
            }
        }
    }
}

// The skin holds, per shape, one section per layout with the picture and the key data record.
QString checkSkin(const QByteArray &skin, const SkinProject &project, const QByteArray &picture)
{
    static const char *const shapeSections[ScreenShapeCount] = {"P", "L", "PH", "LH"};
    const QList<ContainerEntry> top = listEntries(skin, 1);
    if (top.size() != 1)
        return QStringLiteral("the skin is not one class section");
    QList<ContainerEntry> shapes;
    for (const ContainerEntry &entry : listEntries(top[0].body, top[0].count)) {
        if (entry.count != 0) // every shape holds at least one layout
            shapes.append(entry);
    }
    if (shapes.size() != ScreenShapeCount)
        return QStringLiteral("the skin holds %1 shape sections").arg(shapes.size());
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const LayoutList &layouts = project.layoutList(shape);
        const QList<ContainerEntry> written = listEntries(shapes[shape].body, shapes[shape].count);
        if (shapes[shape].name != QByteArrayView(shapeSections[shape]) || written.size() != layouts.count())
            return QStringLiteral("skin shape section %1 does not hold its layouts").arg(shape);
        for (int l = 0; l < layouts.count(); ++l) {
            const SkinLayout &layout = *layouts.at(l);
            const QList<ContainerEntry> parts = listEntries(written[l].body, written[l].count);
            SkinLayoutData data;
            if (parts.size() != 2 || parts[0].name != QByteArrayView("P") || parts[0].body != picture
                || parts[1].name != QByteArrayView("D") || !decodeSkinLayoutData(parts[1].body, data))
                return QStringLiteral("skin layout %1 of shape %2 is not a picture and a record").arg(l).arg(shape);
            if (parts[1].body.size() != skinLayoutDataSize(layout) || parts[1].body != encodeSkinLayoutData(layout)
                || data.rows.size() != layout.rows.count())
                return QStringLiteral("skin layout %1 of shape %2 does not match its layout").arg(l).arg(shape);
            for (int r = 0; r < layout.rows.count(); ++r) {
                if (data.rows[r].size() != layout.rows.at(r)->buttons.count() - 1)
                    return QStringLiteral("skin layout %1 row %2 has the wrong number of keys").arg(l).arg(r);
            }
        }
    }
    return {};
}

// Keeps an input fast however many keys and toggles a skin has.
constexpr int MaxTypedCharacters = 8;
constexpr int MaxTypingStates = 4000;

QString checkDeviceState(const KeyboardDevice &device)
{
    if (device.layout() < 0 || device.layout() >= device.layoutCount() || device.previousLayout() < -1
        || device.previousLayout() >= device.layoutCount())
        return QStringLiteral("the device left the layouts of shape %1: layout %2, previous %3")
            .arg(device.shape()).arg(device.layout()).arg(device.previousLayout());
    return {};
}

QString runDevice(const CompiledSkin &skin, int shape)
{
    KeyboardDevice device(skin, shape);
    if (!device.currentLayout())
        return QStringLiteral("a skin that reads has no layout in shape %1").arg(shape);
    for (int pass = 0; pass < 2; ++pass) {
        for (int r = 0; r < RowList::capacity; ++r) {
            for (int k = 0; k + 1 < ButtonList::capacity; ++k) {
                const SkinKeyRecord *key = device.currentLayout()->key(r, k);
                if (!key)
                    continue;
                if (key->right > key->left && key->bottom > key->top
                    && device.keyAt(key->left, key->top) != KeyRef{device.layout(), r, k})
                    return QStringLiteral("a tap on the corner of key %1,%2 does not hit it").arg(r).arg(k);
                if (pass == 0)
                    device.pressKey(r, k);
                else
                    device.tap(key->right - 1, key->bottom - 1);
                QString problem = checkDeviceState(device);
                if (!problem.isEmpty())
                    return problem;
            }
        }
        device.dragUp();
        device.hide();
        device.show();
        QString problem = checkDeviceState(device);
        if (!problem.isEmpty())
            return problem;
    }

    QString text;
    for (const CompiledLayout &layout : skin.shapes[shape]) {
        for (const QList<SkinKeyRecord> &row : layout.data.rows) {
            for (const SkinKeyRecord &key : row) {
                if (buttonKind(key.flags) == KindCharacter && key.charCode > 8 && text.size() < MaxTypedCharacters)
                    text += QChar(key.charCode == 13 ? u'\n' : key.charCode);
            }
        }
    }
    const TypingResult typing = findKeyPresses(skin, shape, text, MaxTypingStates);
    if (!typing.found())
        return {};
    KeyboardDevice typist(skin, shape);
    for (const SkinLayoutData::KeyPosition &press : typing.presses)
        typist.pressKey(press.row, press.button);
    if (typist.text() != text)
        return QStringLiteral("the presses found for %1 type %2").arg(text, typist.text());
    return {};
}

} // namespace

QString checkSkinBytes(const QByteArray &bytes)
{
    CEBFFile file(skinFileClassName());
    CompiledSkin skin;
    if (!file.OpenForReadBytes(bytes) || !readSkin(file, skin).isEmpty())
        return {};
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        for (const CompiledLayout &layout : skin.shapes[shape]) {
            SkinLayoutData again;
            if (!decodeSkinLayoutData(encodeSkinLayoutData(layout.data), again) || again != layout.data)
                return QStringLiteral("key data read from a skin does not encode back to the same record");
        }
        QString problem = runDevice(skin, shape);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

QString checkContainerBytes(const QByteArray &bytes)
{
    QString problem = checkLayoutData(bytes);
    if (!problem.isEmpty())
        return problem;
    if (findContainerDamage(bytes).isEmpty() != wholeTree(bytes, 0))
        return QStringLiteral("the damage found disagrees with the entries listed: \"%1\"").arg(findContainerDamage(bytes));

    ContainerEntry top;
    const bool whole = parseEntryAt(bytes, 0, quint32(qMin<qsizetype>(bytes.size(), UINT32_MAX)), top);
    for (const char *fixed : {"MainClass", "VELKARI_PRJFILE", "VELKARI_SKIN"}) {
        CEBFFile file(QString::fromLatin1(fixed));
        if (file.OpenForReadBytes(bytes) != (whole && top.name == QByteArrayView(fixed)))
            return QStringLiteral("OpenForReadBytes with class %1 disagrees with the first entry").arg(QLatin1String(fixed));
    }
    if (!whole)
        return walkBySteps(bytes, QStringLiteral("MainClass"));

    const QString className = QString::fromLatin1(top.name);
    problem = checkRawTree(QByteArrayView(bytes).first(top.length()), 1, 0);
    if (problem.isEmpty())
        problem = walkBySteps(bytes, className);
    QByteArray copy, copyOfCopy;
    if (problem.isEmpty())
        problem = copyContainer(bytes, className, copy);
    if (problem.isEmpty())
        problem = copyContainer(copy, className, copyOfCopy);
    if (problem.isEmpty() && copyOfCopy != copy)
        return QStringLiteral("a container written from what was read does not read back the same");
    return problem;
}

QString checkProjectBytes(const QByteArray &bytes, const QString &picturePath)
{
    CEBFFile file(projectFileClassName());
    if (!file.OpenForReadBytes(bytes))
        return {};
    SkinProject project;
    project.projectPath = BasePath;
    readProject(file, project);
    // Reading in file order checks the structure on the way: it must find what a walk finds.
    if (file.damage() != findContainerDamage(bytes))
        return QStringLiteral("reading the project finds other damage than a walk: \"%1\"").arg(file.damage());
    QString problem = checkProjectShape(project);
    if (!problem.isEmpty())
        return problem;

    const QByteArray saved = writeProjectBytes(project);
    CEBFFile again(projectFileClassName());
    if (!again.OpenForReadBytes(saved))
        return QStringLiteral("a saved project does not open");
    SkinProject reopened;
    reopened.projectPath = BasePath;
    if (!readProject(again, reopened).isEmpty())
        return QStringLiteral("a saved project leaves something out when it is opened");
    if (writeProjectBytes(reopened) != saved)
        return QStringLiteral("saving an opened saved project changes it");

    describeEveryKey(project);

    QFile pictureFile(picturePath);
    if (!pictureFile.open(QIODevice::ReadOnly))
        return QStringLiteral("the picture %1 cannot be read").arg(picturePath);
    const QByteArray picture = pictureFile.readAll();
    for (LayoutList &layouts : project.layouts) {
        for (const auto &layout : layouts)
            layout->picFileName = picturePath;
    }
    const QStringList failures = allValidationFailures(project);
    if (firstValidationFailure(project) != failures.value(0))
        return QStringLiteral("the first validation failure is not the first of all");
    // One checker for the whole run: the picture is the same for every input.
    static ProjectChecker checker;
    QSet<std::pair<int, int>> layoutsWithErrors;
    for (const Problem &problem : checker.check(project)) {
        if (problem.isError())
            layoutsWithErrors.insert({problem.shape, problem.layout});
    }
    if (layoutsWithErrors.size() != failures.size())
        return QStringLiteral("the checker finds errors in %1 layouts, the rules in %2")
            .arg(layoutsWithErrors.size())
            .arg(failures.size());

    CEBFFile skin(skinFileClassName());
    skin.OpenForWriteInMemory();
    try {
        writeSkin(skin, project);
    } catch (const FileError &error) {
        return error.message();
    }
    return checkSkin(skin.Bytes(), project, picture);
}

QString checkKleBytes(const QByteArray &bytes)
{
    QString error;
    const std::optional<KleKeyboard> keyboard = readKleKeyboard(bytes, &error);
    if (keyboard.has_value() == !error.isEmpty())
        return QStringLiteral("a layout text is read and refused at once, or neither");
    if (!keyboard)
        return {};
    const KleImport import(*keyboard);
    if (!import.ok())
        return {};
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const std::unique_ptr<SkinLayout> layout = import.layoutFor(shape, QStringLiteral("fuzz"));
        if (!layout)
            return QStringLiteral("an import that nothing refuses gives no layout");
        if (layout->rows.count() != import.rows().size())
            return QStringLiteral("an imported layout lost rows");
        for (const auto &row : layout->rows) {
            int width = 0;
            for (const auto &button : row->buttons)
                width += button->isPlaceholder() ? 0 : button->width;
            if (width != screenShapeWidth(shape) || !row->buttons.last()->isPlaceholder())
                return QStringLiteral("an imported row is %1 pixels wide in a shape %2 wide").arg(width).arg(screenShapeWidth(shape));
        }
        const std::optional<KleKeyboard> exported = readKleKeyboard(exportKleLayout(*layout), &error);
        if (!exported)
            return QStringLiteral("an exported layout does not read: %1").arg(error);
        const std::unique_ptr<SkinLayout> back = KleImport(*exported).layoutFor(shape, QStringLiteral("fuzz"));
        if (!back || back->rows.count() != layout->rows.count())
            return QStringLiteral("an exported layout does not come back with its rows");
        for (int r = 0; r < layout->rows.count(); ++r) {
            const ButtonList &was = layout->rows.at(r)->buttons;
            const ButtonList &is = back->rows.at(r)->buttons;
            if (is.count() != was.count())
                return QStringLiteral("row %1 comes back with %2 keys instead of %3").arg(r).arg(is.count()).arg(was.count());
            for (int k = 0; k < was.count(); ++k) {
                if (is.at(k)->caption != was.at(k)->caption || is.at(k)->width != was.at(k)->width)
                    return QStringLiteral("row %1, key %2 comes back as \"%3\" %4 wide instead of \"%5\" %6 wide")
                        .arg(r).arg(k).arg(is.at(k)->caption).arg(is.at(k)->width).arg(was.at(k)->caption).arg(was.at(k)->width);
            }
        }
    }
    return {};
}

} // namespace velkari::fuzz
