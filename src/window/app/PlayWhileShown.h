#pragma once

#include <QtGlobal>

class QLabel;
class QMovie;

// Shows `movie` in `label` and plays it only while the label is shown: a hidden animation
// would still wake the tool for every frame. Each showing starts from the first frame. Above a
// `scale` of 1 the movie's frames (drawn larger) fill the label at the screen's scale.
void PlayWhileShown(QLabel* label, QMovie* movie, qreal scale = 1.0);
