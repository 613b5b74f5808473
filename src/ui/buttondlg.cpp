#include "buttondlg.h"

#include "buttondescription.h"
#include "buttonfunctions.h"
#include "controlid.h"
#include "controlids.h"
#include "dialogunits.h"
#include "fieldcheck.h"
#include "keynames.h"
#include "projectdocument.h"
#include "screenfit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace velkari {

namespace {

int nextButtonNumber = 0;


struct FlagBox
{
    int id;
    quint16 bit;
    const char *caption;
    int x, y, width;
};

// Flag word bits by check box, in tab order but for "Shortcut", which follows the function list.
constexpr std::array<FlagBox, 9> flagBoxes { {
    { IdButtonCharacter, ButtonFlagCharacter, QT_TRANSLATE_NOOP("velkari::CButtonDlg", "Character"), 13, 68, 48 },
    { IdButtonChangeLayout, ButtonFlagChangeLayout, QT_TRANSLATE_NOOP("velkari::CButtonDlg", "Change Layout"), 13, 79, 65 },
    { IdButtonNoRelease, ButtonFlagNoRelease, QT_TRANSLATE_NOOP("velkari::CButtonDlg", "No Release"), 13, 89, 52 },
    { IdButtonAutoToggle, ButtonFlagAutoToggle, QT_TRANSLATE_NOOP("velkari::CButtonDlg", "Auto Toggle"), 13, 100, 55 },
    { IdButtonReturn, ButtonFlagReturn, QT_TRANSLATE_NOOP("velkari::CButtonDlg", "Return"), 87, 68, 38 },
    { IdButtonCalculator, ButtonFlagCalculator, QT_TRANSLATE_NOOP("velkari::CButtonDlg", "Calculator"), 87, 79, 48 },
    { IdButtonTaskManager, ButtonFlagTaskManager, QT_TRANSLATE_NOOP("velkari::CButtonDlg", "Task Manager"), 87, 89, 61 },
    { IdButtonMacro, ButtonFlagMacro, QT_TRANSLATE_NOOP("velkari::CButtonDlg", "Macro"), 87, 100, 35 },
    { IdButtonShortcut, ButtonFlagShortcut, QT_TRANSLATE_NOOP("velkari::CButtonDlg", "Shortcut"), 87, 111, 43 },
} };

// Positions in flagBoxes of the function boxes, by ButtonKind.
constexpr std::array<int, 6> functionBoxSlots { 0, 1, 5, 6, 7, 8 };

QString hexText(uint value, int digits)
{
    return QStringLiteral("0x") + hexDigits(value, digits);
}

// Reads back through parseCodeText to the same value.
QString charCodeText(quint16 code)
{
    if (code > 0xFF)
        return hexText(code, 4);
    if (code >= 0x20 && code <= 0x7E)
        return QString(QChar(code));
    return hexText(code, 2);
}

// What a key is called on its cap: the character it types, or the name of its key.
QString keyCaption(const KeyCodes &codes)
{
    const QChar typed(codes.charCode);
    if (codes.charCode > 0x20 && typed.isPrint())
        return QString(typed);
    const NamedKey *key = namedKeyForVk(codes.vk);
    return key ? key->name : QString();
}

bool isSpace(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

quint32 parseCodeText(const QString &text)
{
    if (!text.startsWith(QStringLiteral("0x")) && !text.startsWith(QStringLiteral("\\x")))
        return text.isEmpty() ? 0 : text.at(0).unicode();

    const qsizetype size = text.size();
    qsizetype pos = 2;
    while (pos < size && isSpace(text.at(pos)))
        ++pos;
    bool negative = false;
    if (pos < size && (text.at(pos) == u'+' || text.at(pos) == u'-')) {
        negative = text.at(pos) == u'-';
        ++pos;
    }
    if (pos + 1 < size && text.at(pos) == u'0' && (text.at(pos + 1) == u'x' || text.at(pos + 1) == u'X'))
        pos += 2;

    quint64 value = 0;
    for (; pos < size && hexDigit(text.at(pos)) >= 0; ++pos) {
        value = value * 16 + quint64(hexDigit(text.at(pos)));
        if (value > 0xFFFFFFFFu)
            return 0xFFFFFFFFu; // too large for 32 bits, whatever the sign
    }
    return negative ? quint32(0u - quint32(value)) : quint32(value);
}

CButtonDlg::CButtonDlg(SkinButton &button, ProjectDocument &document, const LayoutList &shapeLayouts,
                       bool rowFull, QWidget *parent)
    : QDialog(parent)
    , m_button(button)
    , m_document(document)
    , m_shapeLayouts(shapeLayouts)
    , m_rowFull(rowFull)
    , m_addMode(button.isPlaceholder())
{
    setFont(DialogUnits::dialogFont());
    setWindowTitle(tr("Button Properties"));
    createControls();
    ScreenFit::scrollWhenTooLarge(this);

    if (m_addMode) {
        // Kept after Cancel: the grid shows a placeholder as "New" whatever its caption.
        m_button.caption = QStringLiteral("B%1").arg(nextButtonNumber++, 2, 10, QLatin1Char('0'));
        setWindowTitle(tr("Add new button"));
        m_insertAfterButton->hide();
        m_insertBeforeButton->hide();
        m_deleteButton->hide();
        m_copyButton->hide();
    }
    m_opened.copyFieldsFrom(m_button);

    showButton();
}

CButtonDlg::~CButtonDlg() = default;

int CButtonDlg::newButtonCounter()
{
    return nextButtonNumber;
}

QString CButtonDlg::rowFullText()
{
    return tr("This row is full: a row holds at most 30 buttons, the \"New\" cell included.");
}

void CButtonDlg::createControls()
{
    const DialogUnits du(font());
    setFixedSize(du.size(325, 132));

    auto label = [&](int id, const QString &text, int x, int y, int width) {
        auto *widget = new QLabel(text, this);
        if (id)
            setControlId(widget, id);
        widget->setGeometry(du.rect(x, y, width, 8));
        return widget;
    };
    auto lineEdit = [&](int id, int x, int y) {
        auto *edit = new QLineEdit(this);
        setControlId(edit, id);
        edit->setGeometry(du.rect(x, y, 49, 12));
        return edit;
    };
    auto pushButton = [&](int id, const QString &caption, int x, int y, int width) {
        auto *button = new QPushButton(caption, this);
        setControlId(button, id);
        button->setGeometry(du.rect(x, y, width, 14));
        return button;
    };

    // Created first so that it lies beneath the boxes it frames.
    auto *flagsGroup = new QGroupBox(tr("Button Flags:"), this);
    flagsGroup->setGeometry(du.rect(7, 57, 147, 68));

    m_widthLabel = label(0, tr("Button Width:"), 7, 41, 52);
    label(0, tr("Button Caption:"), 7, 26, 52);
    m_widthEdit = lineEdit(IdButtonWidth, 61, 39);
    m_captionEdit = lineEdit(IdButtonCaption, 61, 25);
    for (int i = 0; i < FlagBoxCount; ++i) {
        const FlagBox &entry = flagBoxes[i];
        auto *box = new QCheckBox(tr(entry.caption), this);
        setControlId(box, entry.id);
        box->setGeometry(du.rect(entry.x, entry.y, entry.width, 10));
        m_flagBoxes[i] = box;
        connect(box, &QCheckBox::clicked, this, &CButtonDlg::flagBoxClicked);
    }
    for (int kind = 0; kind < FunctionBoxCount; ++kind)
        m_functionBoxes[kind] = m_flagBoxes[functionBoxSlots[kind]];

    m_fieldEdits[0] = lineEdit(IdButtonField1, 233, 60);
    m_fieldEdits[1] = lineEdit(IdButtonField2, 233, 78);
    m_fieldEdits[2] = lineEdit(IdButtonField3, 233, 94);
    m_insertAfterButton = pushButton(InsertAfter, tr("Insert after this button"), 7, 7, 87);
    m_insertBeforeButton = pushButton(InsertBefore, tr("Insert before this button"), 99, 7, 87);
    m_deleteButton = pushButton(Delete, tr("Delete this button"), 247, 7, 71);
    auto *pasteButton = pushButton(IdButtonPaste, tr("Paste Button Info"), 185, 31, 64);
    m_copyButton = pushButton(IdButtonCopy, tr("Copy this button"), 254, 30, 64);
    auto *cancelButton = pushButton(Cancel, tr("Cancel"), 212, 111, 50);
    auto *okButton = pushButton(Ok, tr("OK"), 268, 111, 50);
    okButton->setDefault(true);

    m_fieldLabels[0] = label(IdButtonFieldLabel1, tr("Field Label 1:"), 169, 62, 59);
    // The template height of a drop-down list includes its open list; closed it is as tall as
    // an edit.
    m_functionList = new QComboBox(this);
    setControlId(m_functionList, IdButtonFunctionList);
    m_functionList->setGeometry(du.rect(233, 60, 75, 12));
    m_fieldLabels[1] = label(IdButtonFieldLabel2, tr("Field Label 2:"), 169, 81, 59);
    m_fieldLabels[2] = label(IdButtonFieldLabel3, tr("Field Label 3:"), 169, 95, 59);
    m_pressKeyButton = pushButton(IdButtonPressKey, tr("Press a &key..."), 114, 38, 66);
    m_pressKeyButton->setCheckable(true);
    m_pressKeyButton->setAutoDefault(false);
    m_pressKeyButton->setToolTip(tr("Click, then press the key this key is to send: Char and VK take its codes."));
    m_pressKeyButton->installEventFilter(this);
    m_vkName = label(IdButtonVkName, QString(), 285, 80, 33);
    m_vkName->setWordWrap(true);
    m_vkName->resize(m_vkName->width(), du.y(16));

    // OK comes right after the last field, and the buttons that end the dialog in another way
    // after it: Tab, then Enter, never inserts or deletes a key by chance.
    QWidget *previous = m_captionEdit;
    auto chain = [&previous](QWidget *next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(m_widthEdit);
    chain(m_pressKeyButton);
    for (QCheckBox *box : m_flagBoxes)
        chain(box);
    chain(m_fieldEdits[0]);
    chain(m_functionList);
    chain(m_fieldEdits[1]);
    chain(m_fieldEdits[2]);
    for (QPushButton *button : { okButton, cancelButton, m_insertAfterButton, m_insertBeforeButton, m_deleteButton,
                                 pasteButton, m_copyButton })
        chain(button);
    m_captionEdit->setFocus();
    // Only something copied can be pasted.
    pasteButton->setEnabled(m_document.copiedButton());

    connect(m_insertAfterButton, &QPushButton::clicked, this, [this] { insertCopy(InsertAfter); });
    connect(m_insertBeforeButton, &QPushButton::clicked, this, [this] { insertCopy(InsertBefore); });
    connect(m_deleteButton, &QPushButton::clicked, this, [this] { done(Delete); });
    connect(pasteButton, &QPushButton::clicked, this, &CButtonDlg::pasteButton);
    connect(m_copyButton, &QPushButton::clicked, this, &CButtonDlg::copyButton);
    connect(cancelButton, &QPushButton::clicked, this, &CButtonDlg::reject);
    connect(okButton, &QPushButton::clicked, this, &CButtonDlg::accept);
    connect(m_pressKeyButton, &QPushButton::toggled, this, &CButtonDlg::waitForKey);
    connect(m_fieldEdits[1], &QLineEdit::textChanged, this, &CButtonDlg::showVkName);
}

void CButtonDlg::showButton()
{
    m_captionEdit->setText(m_button.caption);
    m_widthEdit->setText(QString::number(m_button.width));
    for (int i = 0; i < FlagBoxCount; ++i)
        m_flagBoxes[i]->setChecked(m_button.flags & flagBoxes[i].bit);
    m_fieldEdits[2]->setText(QString::number(toggleIndex(m_button.flags)));
    refreshFunctionFields();
}

void CButtonDlg::flagBoxClicked()
{
    if (buttonKind(checkedFlags()) != m_shownKind)
        refreshFunctionFields();
}

quint16 CButtonDlg::checkedFlags() const
{
    quint16 flags = 0;
    for (int i = 0; i < FlagBoxCount; ++i) {
        if (m_flagBoxes[i]->isChecked())
            flags |= flagBoxes[i].bit;
    }
    return flags;
}

// The kind comes from the boxes, the values from the button: what was typed into the function's
// fields belonged to another kind and is replaced.
void CButtonDlg::refreshFunctionFields()
{
    const ButtonKind kind = buttonKind(checkedFlags());
    m_shownKind = kind;
    for (int box = 0; box < FunctionBoxCount; ++box) {
        const bool chosen = box == kind;
        if (kind != KindKeyOnly && !chosen)
            m_functionBoxes[box]->setChecked(false);
        m_functionBoxes[box]->setEnabled(kind == KindKeyOnly || chosen);
    }

    QLabel *label1 = m_fieldLabels[0];
    QLabel *label2 = m_fieldLabels[1];
    QLineEdit *field1 = m_fieldEdits[0];
    QLineEdit *field2 = m_fieldEdits[1];
    const QString vkText = hexText(m_button.vk, 2);
    const QString numberText = QString::number(m_button.charCode);

    label1->setVisible(kind != KindKeyOnly);
    field1->setVisible(kind == KindCharacter);
    m_functionList->setVisible(kind != KindKeyOnly && kind != KindCharacter);
    label2->setVisible(kind != KindCalculator);
    field2->setVisible(kind != KindCalculator);

    switch (kind) {
    case KindCharacter:
        label1->setText(tr("Char:"));
        field1->setText(charCodeText(m_button.charCode));
        label2->setText(tr("VK:"));
        field2->setText(vkText);
        break;
    case KindChangeLayout: {
        QStringList names;
        for (const auto &layout : m_shapeLayouts)
            names << layout->name;
        label1->setText(tr("Go to Layout:"));
        showList(names, m_button.charCode);
        label2->setText(tr("VK:"));
        field2->setText(vkText);
        break;
    }
    case KindCalculator:
        label1->setText(tr("Calc Button:"));
        showList(calcKeyListTexts(), m_button.charCode);
        break;
    case KindTaskManager:
        label1->setText(tr("Button Function:"));
        showList(taskActionListTexts(), m_button.vk);
        label2->setText(tr("Task Number:"));
        field2->setText(numberText);
        break;
    case KindMacro:
        label1->setText(tr("Button Function:"));
        showList(macroActionListTexts(), m_button.vk);
        label2->setText(tr("Macro Number:"));
        field2->setText(numberText);
        break;
    case KindShortcut:
        label1->setText(tr("Shortcut Type:"));
        showList(shortcutTypeListTexts(), m_button.vk);
        label2->setText(tr("Shortcut Number:"));
        field2->setText(numberText);
        break;
    case KindKeyOnly:
        label2->setText(tr("VK:"));
        field2->setText(vkText);
        break;
    }

    m_fieldLabels[2]->setText(tr("Toggle Index:"));
    m_pressKeyButton->setEnabled(showsVk());
    showVkName();
}

bool CButtonDlg::showsVk() const
{
    return m_shownKind == KindKeyOnly || m_shownKind == KindCharacter || m_shownKind == KindChangeLayout;
}

void CButtonDlg::showVkName()
{
    const std::optional<quint8> vk = showsVk() ? FieldCheck::parseVk(m_fieldEdits[1]->text()) : std::nullopt;
    const NamedKey *key = vk ? namedKeyForVk(*vk) : nullptr;
    m_vkName->setText(key ? key->name : QString());
}

void CButtonDlg::waitForKey(bool waiting)
{
    m_pendingModifier = 0;
    if (waiting) {
        m_pressKeyButton->setFocus(Qt::OtherFocusReason);
        m_pressKeyButton->grabKeyboard();
    } else {
        m_pressKeyButton->releaseKeyboard();
    }
}

bool CButtonDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_pressKeyButton || !m_pressKeyButton->isChecked())
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Alt and a letter is a key to take, not a mnemonic.
        event->accept();
        return true;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool modifier = key->key() == Qt::Key_Shift || key->key() == Qt::Key_Control || key->key() == Qt::Key_Alt
            || key->key() == Qt::Key_AltGr || key->key() == Qt::Key_Meta;
        if (modifier)
            m_pendingModifier = key->key();
        else
            takeKey(key->key(), key->text(), key->modifiers() & Qt::KeypadModifier);
        return true;
    }
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent *>(event)->key() == m_pendingModifier)
            takeKey(m_pendingModifier, QString(), false);
        return true;
    case QEvent::FocusOut:
        m_pressKeyButton->setChecked(false);
        return false;
    default:
        return false;
    }
}

// Into the fields this kind of key shows: Char and VK, or VK alone.
void CButtonDlg::takeKey(int qtKey, const QString &text, bool keypad)
{
    m_pressKeyButton->setChecked(false);
    const std::optional<KeyCodes> codes = keyCodesForQtKey(qtKey, text, keypad);
    if (!codes) {
        m_vkName->setText(tr("no code for this key"));
        return;
    }
    // A key that types a character and has no function yet is a Character key; a New cell's
    // automatic caption gives way to what the key is called.
    if (m_shownKind == KindKeyOnly && codes->charCode) {
        m_functionBoxes[KindCharacter]->setChecked(true);
        refreshFunctionFields();
    }
    if (m_shownKind == KindCharacter)
        m_fieldEdits[0]->setText(charCodeText(codes->charCode));
    m_fieldEdits[1]->setText(hexText(codes->vk, 2));
    const QString caption = m_captionEdit->text();
    if (caption.isEmpty() || (m_addMode && caption == m_opened.caption))
        m_captionEdit->setText(keyCaption(*codes));
}

// A value that is not a position of the list leaves it without a selection.
void CButtonDlg::showList(const QStringList &texts, int selected)
{
    m_functionList->clear();
    m_functionList->addItems(texts);
    m_functionList->setCurrentIndex(selected < texts.size() ? selected : -1);
}

void CButtonDlg::accept()
{
    if (m_addMode && refuseWhenRowFull())
        return;

    // Every field is read before anything is stored, in the order the fields are shown.
    FieldCheck check(this);
    const QString label1 = m_fieldLabels[0]->text();
    const QString label2 = m_fieldLabels[1]->text();
    const auto width = check.number(m_widthEdit, m_widthLabel->text(), 1, 0xFFFF);
    const quint16 flags = checkedFlags();
    quint16 charCode = m_button.charCode;
    quint8 vk = m_button.vk;
    switch (buttonKind(flags)) {
    case KindCharacter:
        charCode = check.code(m_fieldEdits[0], label1, 0xFFFF).value_or(0);
        vk = check.vk(m_fieldEdits[1], label2).value_or(0);
        break;
    case KindChangeLayout:
        // No selection is -1, which the cast turns into LayoutNotSet (0xFFFF).
        charCode = quint16(m_functionList->currentIndex());
        vk = check.vk(m_fieldEdits[1], label2).value_or(0);
        break;
    case KindCalculator:
        charCode = quint16(check.choice(m_functionList, label1).value_or(0));
        vk = 0;
        break;
    case KindTaskManager:
    case KindMacro:
    case KindShortcut:
        vk = quint8(check.choice(m_functionList, label1).value_or(0));
        charCode = check.number(m_fieldEdits[1], label2, 0, 0xFFFF).value_or(0);
        break;
    case KindKeyOnly:
        vk = check.vk(m_fieldEdits[1], label2).value_or(0);
        break;
    }
    const auto toggle = check.number(m_fieldEdits[2], m_fieldLabels[2]->text(), 0, 15);
    if (check.failed())
        return;

    m_button.caption = m_captionEdit->text();
    m_button.width = *width;
    m_button.charCode = charCode;
    m_button.vk = vk;
    m_button.flags = flags | quint16(*toggle << 12);
    done(Ok);
}

void CButtonDlg::reject()
{
    restoreOpenedState();
    done(Cancel);
}

void CButtonDlg::restoreOpenedState()
{
    m_button.copyFieldsFrom(m_opened);
}

bool CButtonDlg::refuseWhenRowFull()
{
    if (!m_rowFull)
        return false;
    QMessageBox::warning(this, tr("Button Properties"), rowFullText());
    return true;
}

void CButtonDlg::copyButton()
{
    restoreOpenedState();
    m_document.copyButton(&m_button);
    m_copied = true;
    done(Cancel);
}

void CButtonDlg::pasteButton()
{
    const SkinButton *source = m_document.copiedButton();
    if (!source)
        return;
    m_button.copyFieldsFrom(*source);
    m_pasted = true;
    showButton();
}

void CButtonDlg::insertCopy(int result)
{
    if (!refuseWhenRowFull())
        done(result);
}

} // namespace velkari
