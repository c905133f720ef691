// Fitting captions into the fixed places of the layout: the text as the widget draws it,
// its width in a font, and the narrower face a caption falls back on.
#pragma once

#include <QFont>
#include <QString>

namespace corvane::qt {

// The text as drawn when '&' marks an access key: the marks go ("&&" stays one '&').
QString DrawnText(const QString& text);
// Pixels the drawn `text` takes in `font`, rounded up.
int DrawnWidth(const QFont& font, const QString& text);
// The condensed face of `font`'s family (DejaVu Sans Condensed beside DejaVu Sans); where
// the family has none, Qt narrows the letters of the normal face.
QFont CondensedOf(const QFont& font);
// `font`, narrowed until `text` takes at most `room` pixels: first the condensed face, then
// narrower letters, then smaller ones, each down to a floor beyond which the caption would be
// unreadable.
QFont FontFitting(const QFont& font, const QString& text, int room);

}  // namespace corvane::qt
