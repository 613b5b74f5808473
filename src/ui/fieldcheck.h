#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

class QComboBox;
class QLineEdit;
class QWidget;

namespace velkari {

// Reads a dialog's number, code and list fields before OK stores anything. The first field that
// cannot be stored is named in a message saying what it takes and gets the focus; every later
// read of the same check gives nothing, so the dialog tells one thing at a time.
class FieldCheck
{
    Q_DECLARE_TR_FUNCTIONS(FieldCheck)

public:
    enum class CodeResult { Ok, NotACode, OutOfRange, BeyondSixteenBits };

    // A whole decimal number from min to max, spaces around it allowed.
    static std::optional<qint64> parseNumber(const QString &text, qint64 min, qint64 max);
    // One character, or a code written "0x41" or "\x41" (either case of x). A character beyond
    // U+FFFF is two 16-bit units and gives BeyondSixteenBits.
    static CodeResult parseCode(const QString &text, quint32 max, quint32 &value);
    // A VK: one character or a code up to 0xFF as above, or the name of a key ("Enter", "F5",
    // "VK_RETURN").
    static std::optional<quint8> parseVk(const QString &text);

    explicit FieldCheck(QWidget *dialog);

    // `name` is the field's label as the dialog shows it; a trailing colon is left out.
    std::optional<quint16> number(QLineEdit *field, const QString &name, int min, int max);
    std::optional<quint16> code(QLineEdit *field, const QString &name, quint16 max);
    std::optional<quint8> vk(QLineEdit *field, const QString &name);
    // The chosen entry's position.
    std::optional<int> choice(QComboBox *list, const QString &name);

    bool failed() const { return m_failed; }

private:
    void refuse(QWidget *field, const QString &message);

    QWidget *m_dialog;
    bool m_failed = false;
};

} // namespace velkari
