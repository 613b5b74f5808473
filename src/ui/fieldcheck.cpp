#include "fieldcheck.h"

#include "keynames.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>

namespace velkari {

namespace {

bool isHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

QString shownName(QString name)
{
    if (name.endsWith(u':'))
        name.chop(1);
    return name;
}

} // namespace

std::optional<qint64> FieldCheck::parseNumber(const QString &text, qint64 min, qint64 max)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    if (!ok || value < min || value > max)
        return std::nullopt;
    return value;
}

FieldCheck::CodeResult FieldCheck::parseCode(const QString &text, quint32 max, quint32 &value)
{
    if (text.size() == 2 && text.at(0).isHighSurrogate() && text.at(1).isLowSurrogate())
        return max > 0xFF ? CodeResult::BeyondSixteenBits : CodeResult::OutOfRange;
    if (text.size() == 1) {
        value = text.at(0).unicode();
        return value <= max ? CodeResult::Ok : CodeResult::OutOfRange;
    }
    const QString code = text.trimmed();
    const QStringView digits = QStringView(code).mid(2);
    const bool prefixed = code.size() > 2 && (code.at(0) == u'0' || code.at(0) == u'\\')
        && (code.at(1) == u'x' || code.at(1) == u'X');
    // Eight digits at most: anything longer is far out of range anyway.
    if (!prefixed || digits.size() > 8
        || !std::all_of(digits.begin(), digits.end(), isHexDigit))
        return CodeResult::NotACode;
    const qulonglong number = digits.toULongLong(nullptr, 16);
    if (number > max)
        return max > 0xFF && number > 0xFFFF ? CodeResult::BeyondSixteenBits : CodeResult::OutOfRange;
    value = quint32(number);
    return CodeResult::Ok;
}

std::optional<quint8> FieldCheck::parseVk(const QString &text)
{
    quint32 value = 0;
    if (parseCode(text, 0xFF, value) == CodeResult::Ok)
        return quint8(value);
    if (const NamedKey *key = text.size() > 1 ? findNamedKey(text) : nullptr)
        return key->vk;
    return std::nullopt;
}

FieldCheck::FieldCheck(QWidget *dialog)
    : m_dialog(dialog)
{
}

std::optional<quint16> FieldCheck::number(QLineEdit *field, const QString &name, int min, int max)
{
    if (m_failed)
        return std::nullopt;
    if (const auto value = parseNumber(field->text(), min, max))
        return quint16(*value);
    refuse(field, tr("\"%1\" takes a whole number from %2 to %3.").arg(shownName(name)).arg(min).arg(max));
    return std::nullopt;
}

std::optional<quint16> FieldCheck::code(QLineEdit *field, const QString &name, quint16 max)
{
    if (m_failed)
        return std::nullopt;
    quint32 value = 0;
    switch (parseCode(field->text(), max, value)) {
    case CodeResult::Ok:
        return quint16(value);
    case CodeResult::BeyondSixteenBits:
        refuse(field, tr("\"%1\" cannot hold this character: the device stores one 16-bit code unit per key, "
                         "and a character beyond U+FFFF, such as an emoji, needs two.")
                          .arg(shownName(name)));
        break;
    case CodeResult::NotACode:
    case CodeResult::OutOfRange: {
        const int digits = max > 0xFF ? 4 : 2;
        refuse(field, tr("\"%1\" takes one character or a code from 0x%2 to 0x%3, such as 0x41.")
                          .arg(shownName(name), QString(digits, u'0'), QString::number(max, 16).toUpper()));
        break;
    }
    }
    return std::nullopt;
}

std::optional<quint8> FieldCheck::vk(QLineEdit *field, const QString &name)
{
    if (m_failed)
        return std::nullopt;
    if (const auto value = parseVk(field->text()))
        return value;
    // What looks like a character or a code is told what a code takes.
    const QString text = field->text().trimmed();
    if (text.size() <= 1 || text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("\\x"), Qt::CaseInsensitive))
        return code(field, name, 0xFF);
    refuse(field, tr("\"%1\" knows no key named \"%2\": it takes one character, a code from 0x00 to 0xFF such as "
                     "0x41, or the name of a key such as Enter, F5, Shift or VK_RETURN.")
                      .arg(shownName(name), text));
    return std::nullopt;
}

std::optional<int> FieldCheck::choice(QComboBox *list, const QString &name)
{
    if (m_failed)
        return std::nullopt;
    if (list->currentIndex() >= 0)
        return list->currentIndex();
    refuse(list, tr("Choose an entry in \"%1\".").arg(shownName(name)));
    return std::nullopt;
}

void FieldCheck::refuse(QWidget *field, const QString &message)
{
    m_failed = true;
    QMessageBox::warning(m_dialog, m_dialog->windowTitle(), message);
    field->setFocus(Qt::OtherFocusReason);
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
}

} // namespace velkari
