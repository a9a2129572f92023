#pragma once

// The 68 × 38 pictures on the four buttons of the main window's options panel: a dark red
// field with a bevel and blue details, carrying a motif for what the button does.

#include <QImage>

QImage paintNumberedFace();
// The face shared by "UN-Numbered" and "Grid OFF": the field alone.
QImage paintPlainFace();
QImage paintGridFace();
QImage paintColorFace();
QImage paintPreferencesFace();
