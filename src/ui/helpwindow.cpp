#include "helpwindow.h"

#include "filecommands.h"
#include "screenfit.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace velkari {

HelpWindow::HelpWindow(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("%1 Help").arg(applicationName()));
    auto *browser = new QTextBrowser(this);
    browser->setOpenExternalLinks(false);
    browser->setHtml(guideHtml());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(560, 620);
    ScreenFit::scrollWhenTooLarge(this);
}

QString HelpWindow::guideHtml()
{
    // One message per section, so that a translator works on pieces of a sensible size.
    const QStringList sections{
        QStringLiteral("<h2>%1</h2>").arg(applicationName()),
        tr("<p>A skin tells the on-screen keyboard what its keys look like and what they do, for each of four "
           "screen shapes: Portrait, Landscape, Hi-Res. Portrait and Hi-Res. Landscape. Each shape has its own "
           "list of layouts; a layout is a picture of the keys and up to six rows of keys drawn over it.</p>"),
        tr("<h3>Starting a layout</h3>"
           "<ol>"
           "<li>Draw the keyboard picture in any paint program and save it as a GIF or BMP file. Draw it at the "
           "real size of the device's screen: 240 or 320 pixels wide for the low-resolution shapes, 480 or 640 "
           "for the Hi-Res. ones.</li>"
           "<li>Choose the shape in <b>Orientation and Resolution</b> and press <b>Layout Properties</b> (or "
           "<b>Add Layout</b> for another one). Give the layout a name, <b>Browse</b> for its picture, choose the "
           "number of rows and type each row's height in pixels.</li>"
           "<li>Click a <b>New</b> cell of a row to add a key: give it a caption, its width in pixels and what it "
           "does (send a character, change the layout, a calculator key, a task-manager action, a macro or a "
           "shortcut). A key's own cell offers to insert a copy before or after it, or to delete it.</li>"
           "</ol>"),
        tr("<h3>Letting the editor draw</h3>"
           "<p><b>New</b> offers a template besides the empty project: whole keyboards for every shape, whose "
           "pictures the editor draws from their keys and saves beside the project, so that <b>Create Skin</b> "
           "works at once. After changing a layout's keys, <b>Draw Picture</b> in <b>Layout Properties</b> draws "
           "its picture again to fit them.</p>"),
        tr("<p><b>Copy Layout</b> remembers the current layout; <b>Paste Layout Info</b> in another layout's "
           "properties copies it there, rows and keys included. Keys copy and paste the same way in their own "
           "dialog.</p>"),
        tr("<h3>What the grid shows</h3>"
           "<p>The grid shows the current layout's rows from top to bottom and each row's keys from left to right, "
           "drawn to scale: one pixel per screen pixel for the Hi-Res. shapes, two for the others. The last cell "
           "of every row, <b>New</b>, is where the next key goes; it is not part of the skin. The layout's picture "
           "is shown under the grid at its real size. Rest the mouse on a key to read what it does in the status "
           "area at the bottom.</p>"),
        tr("<h3>The grid by keyboard</h3>"
           "<p>The grid is one stop of the Tab key, and the key with the focus is framed. The arrow keys move to "
           "the next key or to the row above or below; Home and End to the row's first key and its New cell, "
           "Ctrl+Home and Ctrl+End to the first row and the last. Enter or Space opens the key's properties (on "
           "New it adds a key), Delete deletes the key, Insert inserts a copy after it, Ctrl+C and Ctrl+V copy and "
           "paste it, and Alt with an arrow key moves it; a key can also be dragged with the mouse, into another "
           "row too. Each change is one step of Undo. In the key's properties, <b>Press a key...</b> fills Char "
           "and VK from a key you press, and VK also takes names such as Enter, F5 or Shift.</p>"),
        tr("<h3>One shape designed, four derived</h3>"
           "<p>The number beside a row adds up its keys' widths; it is red when they do not fill the screen. Click "
           "it to <b>Fit</b> the keys to the screen's width or to give them <b>Equal widths</b>. Once one shape is "
           "designed, <b>Derive Shapes...</b> makes the others from it: the same layouts in the same order, each "
           "row's keys scaled to the screen's width and row heights to its resolution, pictures drawn afresh or the "
           "author's scaled into new files, all in one step of Undo.</p>"
           "<p><b>Import Layout...</b> adds a layout from keyboard-layout-editor.com (its downloaded JSON or its "
           "Raw data) to the current shape, with a picture drawn for it; <b>Export Layout...</b> writes the current "
           "layout in that format. <b>Read Keys from Picture</b> in Layout Properties measures the rows and keys "
           "off the layout's picture and sets their heights and widths.</p>"),
        tr("<h3>Creating the skin</h3>"
           "<p><b>Create Skin</b> saves the project if needed and checks every layout of every shape: each needs a "
           "picture file that can be read, at least one row, rows and keys that are not 0 pixels high or wide, and "
           "rows whose keys (the New cell not counted) add up to the same width, which must be 240, 320, 480 or 640 "
           "pixels. The first problem found is shown and nothing is written; fix it and try again.</p>"),
        tr("<h3>Problems</h3>"
           "<p>The <b>Problems</b> button counts the project's errors and warnings, for example <b>Problems (2 · "
           "5)</b>, and opens a list of them all by shape and layout, kept up to date while you edit. Errors stop "
           "Create Skin; warnings do not, but each is almost surely a mistake: a picture of another size than its "
           "keys, a key that opens a layout that does not exist, a layout no key leads to. Double-click a problem, "
           "or press Enter on it, to open the key's or the layout's properties; a row of the wrong width is shown "
           "in the grid instead, with Fit offered.</p>"),
        tr("<h3>Where the files go</h3>"
           "<p>The project is saved as a <code>.vsp</code> file; pictures are remembered relative to it, so a "
           "folder holding the project and its pictures can be moved as a whole. The skin is written beside the "
           "project with the same name and the extension <code>.vsk</code>, with the pictures inside it: the skin "
           "file is all the device needs.</p>"),
    };
    return sections.join(u'\n');
}

} // namespace velkari
