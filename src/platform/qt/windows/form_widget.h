#pragma once
// The top-level widget of a window of the Qt front-end: it paints the
// frame the presenter draws onto its canvas, and calls the handlers of the
// window's own events and, for its controls and timers, theirs.
#include "platform/qt/drawing/frame_canvas.h"
#include "platform/window.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace hv::qt {

QFont toQFont(const FontDesign& font);
inline int toPixels(int twips) { return twips / kTwipsPerPixel; }
// The part of a window to repaint for the changes of a frame.
QRegion inTiles(const QRegion& changes);

class FormWidget : public QWidget {
public:
    FormWidget(const WindowDesign& design, WindowEvents events, std::weak_ptr<void> owner);

    FrameCanvas& canvas() { return canvas_; }
    void setBackColor(Colour colour);
    Colour backColor() const { return backColor_; }
    // Every handler of the window, its controls and timers is called here:
    // with the presenter alive for the whole call, and never once the
    // window is closed. Errors that a handler lets through are told on
    // stderr.
    void deliver(const std::function<void()>& handler);
    // The window is closed: no handler runs any more.
    void detach() { owner_.reset(); }
    // The mouse moving over the control is reported to onMouseMove.
    void reportMouseMoves(QWidget* control, std::function<void()> onMouseMove);
    // Tab moves the focus along these controls; without any, Tab is a key
    // like the others for the window's own key handler.
    void setTabOrder(const std::vector<QWidget*>& controls);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override { return tabNavigation_ && QWidget::focusNextPrevChild(next); }

private:
    void schedulePresent();
    void present();

    // Kept for the widget's whole life, which may be longer than the
    // presenter's: the handlers are called only while owner_ locks.
    const WindowEvents events_;
    std::weak_ptr<void> owner_;
    Colour backColor_;
    FrameCanvas canvas_;
    bool presentPending_ = false;
    bool tabNavigation_ = false;
};

} // namespace hv::qt
