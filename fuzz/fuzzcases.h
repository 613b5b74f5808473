#pragma once

#include <QByteArray>
#include <QString>

namespace velkari::fuzz {

// What the fuzz targets do with one input, shared with the regression test so that a kept input
// goes through exactly the same calls. Each returns an empty text when every check held, or the
// first broken one; a crash, a hang or a huge allocation is left to the sanitizers and to libFuzzer.

// Arbitrary bytes through the container reader: their damage (findContainerDamage) found as a
// walk over the entries finds it, opened with the class name the bytes begin with and with fixed
// ones, every entry read back in file order and copied to an in-memory writer whose
// output must read back the same, a walk driven by the input's last bytes, and every "D" value
// decoded as skin layout data.
QString checkContainerBytes(const QByteArray &bytes);

// Arbitrary bytes opened as a project: read and normalised, saved and read again (which must
// give the same bytes), every key described and every layout checked (the errors the checker
// finds agreeing with the rules), then compiled into a skin
// in memory with each layout's picture replaced by `picturePath`, and every "D" record decoded.
QString checkProjectBytes(const QByteArray &bytes, const QString &picturePath);

// Arbitrary bytes read as a skin: a skin that reads must encode every layout's key data back to
// the same record; the device must run every shape, each key pressed and tapped at its corner,
// dragged up, hidden and shown, without leaving its layouts; and the key presses found for a text
// of the skin's own characters must type it on the device.
QString checkSkinBytes(const QByteArray &bytes);

// Arbitrary bytes read as a layout of keyboard-layout-editor.com: a text that does not read
// says why; one that reads is refused with reasons or gives, in every shape, a layout whose rows
// fill the screen within the lists' capacities; that layout exported and imported again keeps its
// rows, captions and widths.
QString checkKleBytes(const QByteArray &bytes);

} // namespace velkari::fuzz
