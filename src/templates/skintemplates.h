#pragma once

#include <QList>
#include <QString>

namespace velkari {

struct SkinProject;

struct SkinTemplateInfo
{
    QString name;    // "qwerty"
    QString summary; // one line for a list
};

// The built-in templates, "qwerty" first.
const QList<SkinTemplateInfo> &skinTemplates();

// The width of the screen of a shape: Portrait 240, Landscape 320, Hi-Res. Portrait 480,
// Hi-Res. Landscape 640; 0 for any other number.
int shapeScreenWidth(int shape);

// Replaces the project's settings and layouts with the template's: linked layouts in all four
// shapes, every row as wide as the shape's screen, no pictures yet. False, with the project
// untouched, when there is no template of that name.
bool buildTemplateProject(SkinProject &project, const QString &name);

} // namespace velkari
