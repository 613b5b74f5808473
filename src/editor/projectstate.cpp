#include "projectstate.h"

#include "cebffile.h"
#include "projectfile.h"

namespace velkari {

namespace {

const QString PieceClass = QStringLiteral("L");
constexpr QByteArrayView PieceSection = "L";

} // namespace

bool ProjectState::Piece::operator==(const Piece &other) const
{
    return (bytes.isSharedWith(other.bytes) || bytes == other.bytes) && picture == other.picture;
}

ProjectState ProjectState::capture(SkinProject &project, const ProjectState *previous)
{
    ProjectState state = captureSettings(project, previous ? *previous : ProjectState());
    CEBFFile file(PieceClass);
    SerializeContext context;
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        const QList<Piece> *before = previous ? &previous->m_layouts[shape] : nullptr;
        QList<Piece> &pieces = state.m_layouts[shape];
        pieces.clear();
        for (const auto &layout : project.layoutList(shape)) {
            file.OpenForWriteInMemory();
            SerializeLayout(file, *layout, PieceSection, context);
            while (file.Level() > 0)
                file.EndSection();
            const int position = int(pieces.size());
            if (before && position < before->size() && before->at(position).bytes == file.Bytes()
                && before->at(position).picture == layout->picFileName) {
                pieces.append(before->at(position));
            } else {
                // A copy of its own size: the writer's buffer has room to spare.
                pieces.append({QByteArray(file.Bytes().constData(), file.Bytes().size()), layout->picFileName});
            }
        }
    }
    return state;
}

ProjectState ProjectState::captureSettings(const SkinProject &project, const ProjectState &previous)
{
    ProjectState state = previous;
    state.m_textColor = project.textColor;
    state.m_highlightColor = project.highlightColor;
    state.m_helpFileName = project.helpFileName;
    return state;
}

void ProjectState::readPiece(CEBFFile &file, const Piece &piece, SkinLayout &layout)
{
    SerializeContext context;
    if (file.OpenForReadBytes(piece.bytes))
        SerializeLayout(file, layout, PieceSection, context);
    layout.picFileName = piece.picture;
}

void ProjectState::restore(SkinProject &project, const ProjectState &current) const
{
    project.textColor = m_textColor;
    project.highlightColor = m_highlightColor;
    project.helpFileName = m_helpFileName;
    CEBFFile file(PieceClass);
    for (int shape = 0; shape < ScreenShapeCount; ++shape) {
        LayoutList &list = project.layoutList(shape);
        const QList<Piece> &target = m_layouts[shape];
        const QList<Piece> &now = current.m_layouts[shape];
        for (int i = 0; i < target.size(); ++i) {
            SkinLayout *layout = list.at(i);
            if (layout && i < now.size() && now[i] == target[i])
                continue;
            if (layout) {
                readPiece(file, target[i], *layout);
            } else {
                auto added = std::make_unique<SkinLayout>();
                readPiece(file, target[i], *added);
                list.append(std::move(added));
            }
        }
        while (list.count() > target.size())
            list.removeAt(list.count() - 1);
    }
}

bool ProjectState::operator==(const ProjectState &other) const
{
    return m_textColor == other.m_textColor && m_highlightColor == other.m_highlightColor
        && m_helpFileName == other.m_helpFileName && m_layouts == other.m_layouts;
}

} // namespace velkari
