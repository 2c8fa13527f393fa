#include "window/app/PlayWhileShown.h"

#include <QEvent>
#include <QLabel>
#include <QMovie>
#include <QPixmap>

namespace {

class MovieVisibility final : public QObject {
public:
    MovieVisibility(QMovie* movie) : QObject(movie), movie_(movie) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            movie_->start();
        else if (event->type() == QEvent::Hide)
            movie_->stop();
        return false;
    }

private:
    QMovie* movie_;
};

}  // namespace

void PlayWhileShown(QLabel* label, QMovie* movie, qreal scale)
{
    if (scale > 1.0) {
        // A label shows a movie's frames at their size in pixels: marked with the scale, they
        // take the label's size on the screen.
        movie->setScaledSize((QSizeF(label->size()) * scale).toSize());
        QObject::connect(movie, &QMovie::frameChanged, label, [label, movie, scale] {
            QPixmap frame = movie->currentPixmap();
            frame.setDevicePixelRatio(scale);
            label->setPixmap(frame);
        });
    } else {
        label->setMovie(movie);
    }
    if (!movie->isValid())
        return;
    label->installEventFilter(new MovieVisibility(movie));
    if (label->isVisible())
        movie->start();
}
