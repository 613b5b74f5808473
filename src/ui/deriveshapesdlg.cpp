#include "deriveshapesdlg.h"

#include "controlid.h"
#include "controlids.h"
#include "dialogunits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkari {

DeriveShapesDlg::DeriveShapesDlg(int source, bool hasFile, QWidget *parent)
    : QDialog(parent)
{
    setFont(DialogUnits::dialogFont());
    setWindowTitle(tr("Derive Shapes"));

    m_sourceList = new QComboBox(this);
    setControlId(m_sourceList, IdDeriveSource);
    for (int shape = 0; shape < ScreenShapeCount; ++shape)
        m_sourceList->addItem(screenShapeName(shape));
    auto *form = new QFormLayout;
    form->addRow(tr("&Copy the layouts of:"), m_sourceList);
    m_completeSource = new QCheckBox(tr("&First fit its rows to its screen, remove empty rows at the end and draw the pictures it lacks"), this);
    setControlId(m_completeSource, IdDeriveFitSource);
    m_completeSource->setChecked(true);
    form->addRow(QString(), m_completeSource);

    auto *targetGroup = new QGroupBox(tr("Replace the layouts of:"), this);
    auto *targetLayout = new QVBoxLayout(targetGroup);
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        m_targetBoxes[shape] = new QCheckBox(screenShapeName(shape), targetGroup);
        setControlId(m_targetBoxes[shape], IdDeriveFirstTarget + shape);
        m_targetBoxes[shape]->setChecked(true);
        targetLayout->addWidget(m_targetBoxes[shape]);
    }

    QString about = tr("The layouts are copied in the same order, so that Change Layout keys and drag-up layouts "
                       "keep their targets; each row's keys are scaled to the screen's width, row heights to its "
                       "resolution, and every layout gets a picture: drawn afresh, or the author's scaled into a "
                       "new file.");
    if (!hasFile)
        about += u'\n' + tr("The project has no file yet: OK asks where to save it, and the pictures go beside it.");
    auto *aboutLabel = new QLabel(about, this);
    aboutLabel->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    setControlId(m_okButton, Ok);
    setControlId(buttons->button(QDialogButtonBox::Cancel), Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(targetGroup);
    layout->addWidget(aboutLabel);
    layout->addWidget(buttons);
    // Wide enough that the note wraps into a few lines, not a tower of short ones.
    aboutLabel->setMinimumWidth(DialogUnits(font()).x(200));
    setFixedSize(sizeHint());

    m_sourceList->setCurrentIndex(qBound(0, source, ScreenShapeCount - 1));
    sourceChanged();
    connect(m_sourceList, &QComboBox::currentIndexChanged, this, &DeriveShapesDlg::sourceChanged);
    for (QCheckBox *box : m_targetBoxes)
        connect(box, &QCheckBox::toggled, this, [this] { m_okButton->setEnabled(!targets().isEmpty()); });
}

int DeriveShapesDlg::source() const
{
    return m_sourceList->currentIndex();
}

bool DeriveShapesDlg::completesSource() const
{
    return m_completeSource->isChecked();
}

QList<int> DeriveShapesDlg::targets() const
{
    QList<int> chosen;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        if (m_targetBoxes[shape]->isEnabled() && m_targetBoxes[shape]->isChecked())
            chosen.append(shape);
    }
    return chosen;
}

void DeriveShapesDlg::sourceChanged()
{
    // A shape cannot be made from itself; the one that was the source is offered again.
    if (m_shownSource >= 0) {
        m_targetBoxes[m_shownSource]->setEnabled(true);
        m_targetBoxes[m_shownSource]->setChecked(true);
    }
    m_shownSource = source();
    m_targetBoxes[m_shownSource]->setEnabled(false);
    m_targetBoxes[m_shownSource]->setChecked(false);
    m_okButton->setEnabled(!targets().isEmpty());
}

} // namespace velkari
