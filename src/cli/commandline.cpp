#include "commandline.h"

#include "skintemplates.h"

#include <algorithm>

namespace velkari {

namespace {

const char *const ShortShapeNames[ScreenShapeCount] = {"portrait", "landscape", "hires-portrait", "hires-landscape"};

int shapeNamed(const QString &name)
{
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        if (name.compare(screenShapeName(shape), Qt::CaseInsensitive) == 0
            || name.compare(QLatin1StringView(ShortShapeNames[shape]), Qt::CaseInsensitive) == 0)
            return shape;
    }
    return -1;
}

// "a", "a and b", "a, b and c"
QString listed(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.first(items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + items.last();
}

// The names a value of a kind with a fixed set of them may take, in the order usage texts list them.
QStringList choices(OptionValue kind)
{
    switch (kind) {
    case OptionValue::Shape: {
        QStringList names;
        for (const char *name : ShortShapeNames)
            names << QLatin1StringView(name);
        return names;
    }
    case OptionValue::ReportFormat:
        return {QStringLiteral("text"), QStringLiteral("json")};
    case OptionValue::PictureFormat:
        return {pictureFormatName(PictureFormat::Gif), pictureFormatName(PictureFormat::Bmp)};
    case OptionValue::Theme:
        return KeyboardTheme::names();
    case OptionValue::Template: {
        QStringList names;
        for (const SkinTemplateInfo &info : skinTemplates())
            names << info.name;
        return names;
    }
    case OptionValue::None:
    case OptionValue::Text:
    case OptionValue::Position:
        break;
    }
    return {};
}

QString choiceKind(OptionValue kind)
{
    switch (kind) {
    case OptionValue::Shape:
        return QStringLiteral("shape");
    case OptionValue::Theme:
        return QStringLiteral("theme");
    case OptionValue::Template:
        return QStringLiteral("template");
    default:
        return QStringLiteral("format");
    }
}

// -1 for a text that is no value of the kind.
int valueOf(OptionValue kind, const QString &text)
{
    switch (kind) {
    case OptionValue::Shape:
        return shapeNamed(text);
    case OptionValue::Position: {
        bool number = false;
        const int position = text.toInt(&number);
        return number && position >= 0 ? position : -1;
    }
    case OptionValue::PictureFormat: {
        const std::optional<PictureFormat> format = pictureFormatNamed(text);
        return format ? int(*format) : -1;
    }
    default:
        return int(choices(kind).indexOf(text));
    }
}

QString wrongValueProblem(const CliOption &option, const QString &text)
{
    if (option.value == OptionValue::Position)
        return QStringLiteral("%1 takes a layout's position, counted from 0, not \"%2\"")
            .arg(QLatin1StringView(option.name), text);
    const QString kind = choiceKind(option.value);
    return QStringLiteral("unknown %1 \"%2\"; the %1s are %3%4")
        .arg(kind, text, listed(choices(option.value)),
             option.value == OptionValue::Shape ? QStringLiteral(", or their display names") : QString());
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    if (arguments.isEmpty()) {
        line.fail(QStringLiteral("no command given"));
        return line;
    }
    const bool helpWord = arguments.first() == QLatin1String("help");
    // "help build" asks what "build --help" asks.
    const QString &name = helpWord && arguments.size() > 1 ? arguments.at(1) : arguments.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        line.m_request = CommandLine::Request::GeneralHelp;
        return line;
    }
    if (name == QLatin1String("--version")) {
        line.m_request = CommandLine::Request::Version;
        return line;
    }
    for (const CliCommand &command : cliCommands()) {
        if (name == QLatin1StringView(command.name))
            line.m_command = &command;
    }
    if (!line.m_command) {
        line.fail(QStringLiteral("unknown command \"%1\"").arg(name));
        return line;
    }
    if (helpWord) {
        line.m_request = CommandLine::Request::CommandHelp;
        return line;
    }
    line.parseOptions(arguments.sliced(1));
    // Asked for help, a command answers whatever else its line holds.
    if (line.m_help) {
        line.m_request = CommandLine::Request::CommandHelp;
        line.m_problem.clear();
        return line;
    }
    line.convertValues();
    line.checkCounts();
    return line;
}

// The first problem is the one said.
void CommandLine::fail(const QString &problem)
{
    if (m_request != Request::UsageError) {
        m_request = Request::UsageError;
        m_problem = problem;
    }
}

void CommandLine::parseOptions(const QStringList &args)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (optionsEnded || !arg.startsWith(u'-') || arg == QLatin1String("-")) {
            m_arguments << arg;
            continue;
        }
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            m_help = true;
            continue;
        }
        const qsizetype equals = arg.startsWith(QLatin1String("--")) ? arg.indexOf(u'=') : -1;
        const QString name = equals > 0 ? arg.left(equals) : arg;
        const CliOption *option = nullptr;
        for (const CliOption &candidate : m_command->options) {
            if (name == QLatin1StringView(candidate.name)
                || (candidate.shortName && name == QLatin1StringView(candidate.shortName)))
                option = &candidate;
        }
        // The scan goes on after a problem, for a --help further on.
        if (!option) {
            fail(QStringLiteral("unknown option \"%1\"").arg(name));
            continue;
        }
        const QLatin1StringView longName(option->name);
        auto entry = std::find_if(m_given.begin(), m_given.end(), [option](const Given &g) { return g.option == option; });
        if (entry != m_given.end() && !option->repeatable) {
            fail(QStringLiteral("%1 given twice").arg(longName));
            continue;
        }
        if (option->value == OptionValue::None && equals > 0) {
            fail(QStringLiteral("%1 takes no value").arg(longName));
            continue;
        }
        if (option->value != OptionValue::None && equals < 0 && i + 1 >= args.size()) {
            fail(QStringLiteral("%1 needs a value").arg(longName));
            continue;
        }
        if (entry == m_given.end())
            entry = m_given.insert(m_given.end(), Given{option, {}, {}});
        if (option->value != OptionValue::None)
            entry->texts << (equals > 0 ? arg.mid(equals + 1) : args[++i]);
    }
}

void CommandLine::convertValues()
{
    for (Given &entry : m_given) {
        if (entry.option->value == OptionValue::None || entry.option->value == OptionValue::Text)
            continue;
        for (const QString &text : entry.texts) {
            const int value = valueOf(entry.option->value, text);
            if (value < 0) {
                fail(wrongValueProblem(*entry.option, text));
                return;
            }
            entry.values << value;
        }
    }
}

void CommandLine::checkCounts()
{
    if (m_request == Request::UsageError)
        return;
    const QList<const char *> &names = m_command->arguments;
    const bool anyNumber = !names.isEmpty() && QByteArrayView(names.last()).endsWith("...");
    const qsizetype required = names.size() - (anyNumber ? 1 : 0);
    QStringList missing;
    for (qsizetype i = m_arguments.size(); i < required; ++i)
        missing << QLatin1StringView(names[i]);
    for (const CliOption &option : m_command->options) {
        if (option.required && !has(option.name))
            missing << QLatin1StringView(option.name);
    }
    if (!missing.isEmpty()) {
        fail(QStringLiteral("%1 needs %2").arg(QLatin1StringView(m_command->name), listed(missing)));
        return;
    }
    if (!anyNumber && m_arguments.size() > required) {
        fail(QStringLiteral("unexpected argument \"%1\"").arg(m_arguments[required]));
        return;
    }
    for (const Given &entry : m_given) {
        if (entry.option->needs && !has(entry.option->needs)) {
            fail(QStringLiteral("%1 needs %2")
                     .arg(QLatin1StringView(entry.option->name), QLatin1StringView(entry.option->needs)));
            return;
        }
    }
}

bool CommandLine::needsGuiApplication() const
{
    if (m_request != Request::Run)
        return false;
    if (m_command->draws)
        return true;
    return std::any_of(m_given.begin(), m_given.end(), [](const Given &entry) { return entry.option->draws; });
}

const CommandLine::Given *CommandLine::given(const char *option) const
{
    Q_ASSERT(m_command && std::any_of(m_command->options.begin(), m_command->options.end(),
                                      [option](const CliOption &declared) { return qstrcmp(declared.name, option) == 0; }));
    for (const Given &entry : m_given) {
        if (qstrcmp(entry.option->name, option) == 0)
            return &entry;
    }
    return nullptr;
}

int CommandLine::value(const char *option, OptionValue kind, int fallback) const
{
    const Given *entry = given(option);
    Q_ASSERT(!entry || entry->option->value == kind);
    Q_UNUSED(kind);
    return entry ? entry->values.last() : fallback;
}

QString CommandLine::text(const char *option) const
{
    const Given *entry = given(option);
    return entry && !entry->texts.isEmpty() ? entry->texts.last() : QString();
}

int CommandLine::shape(const char *option, int fallback) const
{
    return value(option, OptionValue::Shape, fallback);
}

QList<int> CommandLine::shapes(const char *option) const
{
    const Given *entry = given(option);
    return entry ? entry->values : QList<int>();
}

int CommandLine::position(const char *option) const
{
    return value(option, OptionValue::Position, -1);
}

bool CommandLine::json() const
{
    const int json = int(choices(OptionValue::ReportFormat).indexOf(QStringLiteral("json")));
    return value("--format", OptionValue::ReportFormat, 0) == json;
}

PictureFormat CommandLine::pictureFormat() const
{
    return PictureFormat(value("--format", OptionValue::PictureFormat, int(PictureFormat::Gif)));
}

KeyboardTheme CommandLine::theme() const
{
    return *KeyboardTheme::named(KeyboardTheme::names().at(value("--theme", OptionValue::Theme, 0)));
}

} // namespace velkari
