#pragma once

#include "skinproject.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

namespace velkari {

class CEBFFile;

// The whole project in its file form, one piece per layout, for the undo history. Pieces that did
// not change share their bytes with the state before, so each step holds only what it changed.
class ProjectState
{
public:
    // Writes every layout anew; pieces equal to those of `previous` share its bytes.
    static ProjectState capture(SkinProject &project, const ProjectState *previous = nullptr);
    // `previous` with the project's colours and help file name, for changes that touch no layout.
    static ProjectState captureSettings(const SkinProject &project, const ProjectState &previous);

    // Makes the project hold this state. `current` is what the project holds now: only the
    // layouts that differ from it are rebuilt, each in its own record, so that every other record
    // stays as it is.
    void restore(SkinProject &project, const ProjectState &current) const;

    bool operator==(const ProjectState &other) const;

private:
    struct Piece
    {
        QByteArray bytes;
        // Kept as it stands: the file form keeps some names only as a project's relative path.
        QString picture;

        bool operator==(const Piece &other) const;
    };

    static void readPiece(CEBFFile &file, const Piece &piece, SkinLayout &layout);

    quint32 m_textColor = 0;
    quint32 m_highlightColor = 0;
    QString m_helpFileName;
    std::array<QList<Piece>, ScreenShapeCount> m_layouts;
};

} // namespace velkari
