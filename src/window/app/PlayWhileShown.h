#pragma once

class QLabel;
class QMovie;

// Shows `movie` in `label` and plays it only while the label is shown: a hidden animation
// would still wake the tool for every frame. Each showing starts from the first frame.
void PlayWhileShown(QLabel* label, QMovie* movie);
