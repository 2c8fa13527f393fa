#pragma once

#include "protocol/i18n/LocalText.h"

#include <QWidget>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QToolButton;

// The title bar of a window framed by the tool itself: the window's title, centred, and the
// buttons asked for. Dragging the bar moves the window; the title follows the window's.
class TSkinTitleBar final : public QWidget {
    Q_OBJECT
public:
    enum Button { SystemMenu = 1, Minimise = 2, Close = 4 };
    Q_DECLARE_FLAGS(Buttons, Button)

    static constexpr int kHeight = 20;

    TSkinTitleBar(QWidget* window, Buttons buttons);

    // The buttons shown (null when not asked for).
    QToolButton* systemMenuButton() const { return systemMenu_; }
    QToolButton* minimiseButton() const { return minimise_; }
    QToolButton* closeButton() const { return close_; }
    // The system menu (null without the button), for a window to add entries of its own.
    QMenu* systemMenu() const;
    // The system menu's entries and the buttons' spoken names again, in the language in force.
    void retranslate();
    // An entry of the system menu above the window's own (minimise, close), its text in the
    // language in force.
    QAction* addMenuEntry(const LocalText& text, const std::function<void()>& run);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* addButton(const char* name, int glyph);
    void placeButtons();

    QWidget* window_;
    QToolButton* systemMenu_ = nullptr;
    QToolButton* minimise_ = nullptr;
    QToolButton* close_ = nullptr;
    QAction* minimiseEntry_ = nullptr;
    QAction* closeEntry_ = nullptr;
    std::vector<std::pair<QAction*, const LocalText*>> entries_;  // added by the window
    QAction* entriesEnd_ = nullptr;                               // the line under them
    QPoint dragOffset_;  // where the press caught the window, when the platform cannot move it
    bool dragging_ = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TSkinTitleBar::Buttons)
