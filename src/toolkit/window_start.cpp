#include "toolkit/window_start.h"

#include "base/first_frame_report.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

// Waits for the first paint of the object it watches, then runs its work once and goes.
class FirstFrameWait final : public QObject {
public:
    FirstFrameWait(QWidget &window, std::function<void()> then)
        : QObject(&window), then_(std::move(then))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued behind the paint, so that the frame is finished first.
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

void afterFirstFrame(QWidget &window, std::function<void()> then)
{
    new FirstFrameWait(window, std::move(then));
}

void showCentred(QWidget &window)
{
    if (const QScreen *screen = window.screen()) {
        const QRect area = screen->availableGeometry();
        window.move(area.center() - window.rect().center());
    }
    if (qEnvironmentVariableIntValue("RUNEPLAN_REPORT_FIRST_FRAME") == 1)
        new FirstFrameReport(&window);
    window.show();
}
