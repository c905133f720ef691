// What assistive technology learns of the surface beyond Qt's own accessible interfaces.
#pragma once

#include <QLabel>
#include <QLineEdit>

namespace corvane::qt {

// Makes `label` the label of `box` for assistive technology although they have different
// parents (Qt links only a box and a label that are siblings): the box's labelled-by link
// names `label` while the label's buddy is the box. Call before the box is shown; both
// must live as long as each other.
void LinkLabelAcrossParents(QLineEdit* box, QLabel* label);

}  // namespace corvane::qt
