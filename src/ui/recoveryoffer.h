#pragma once

class QWidget;

namespace velkari {

class ProjectDocument;

// Asks about each recovery copy that an editor left behind, the newest first, naming its project
// and time; the first the user takes replaces the document's project (true). Declined copies are
// removed.
bool offerRecoveryCopies(QWidget *parent, ProjectDocument &document);

} // namespace velkari
