#include "window/app/PlayWhileShown.h"

#include <QEvent>
#include <QLabel>
#include <QMovie>

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

void PlayWhileShown(QLabel* label, QMovie* movie)
{
    label->setMovie(movie);
    if (!movie->isValid())
        return;
    label->installEventFilter(new MovieVisibility(movie));
    if (label->isVisible())
        movie->start();
}
