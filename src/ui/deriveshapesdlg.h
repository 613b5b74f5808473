#pragma once

#include "skinproject.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace velkari {

// Derive Shapes: which shape's layouts to copy, and which shapes they replace. Asks nothing
// itself; the command asks before a shape in use is replaced.
class DeriveShapesDlg : public QDialog
{
    Q_OBJECT

public:
    // `source`: the shape proposed to copy from; `hasFile`: the project has a file, beside which
    // the pictures go (otherwise the dialog says that OK asks where to save it).
    DeriveShapesDlg(int source, bool hasFile, QWidget *parent = nullptr);

    int source() const;
    QList<int> targets() const;
    // Fit the source's rows to its screen and draw the pictures it lacks, so that every shape
    // comes out whole.
    bool completesSource() const;

private:
    void sourceChanged();

    QComboBox *m_sourceList = nullptr;
    QCheckBox *m_completeSource = nullptr;
    std::array<QCheckBox *, ScreenShapeCount> m_targetBoxes {};
    QPushButton *m_okButton = nullptr;
    int m_shownSource = -1;
};

} // namespace velkari
