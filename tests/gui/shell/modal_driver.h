#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace rosmossel::testing {

// Acts on modal windows while something else runs their event loops: each
// step gets the next modal window that appears, in order. A modal window
// beyond the steps, or one still open after the time limit, is counted and
// closed, so a broken flow fails instead of hanging.
class ModalDriver : public QObject {
  public:
    using Step = std::function<void(QWidget* modal)>;

    explicit ModalDriver(std::deque<Step> steps, int limitMs = 10000)
        : steps_(std::move(steps)), limitMs_(limitMs) {
        clock_.start();
        connect(&timer_, &QTimer::timeout, this, &ModalDriver::poll);
        timer_.start(5);
    }

    bool finished() const { return steps_.empty(); }
    bool timedOut() const { return timedOut_; }
    int modalsSeenAfterSteps() const { return extra_; }

  private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        if (modal == last_.data()) {
            // A step did not lead anywhere: give up on this window.
            if (clock_.elapsed() > limitMs_) {
                timedOut_ = true;
                modal->close();
            }
            return;
        }
        last_ = modal;
        if (steps_.empty()) {
            ++extra_;
            modal->close();
            return;
        }
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step(modal);
    }

    std::deque<Step> steps_;
    int limitMs_;
    QElapsedTimer clock_;
    bool timedOut_ = false;
    int extra_ = 0;
    QPointer<QWidget> last_;
    QTimer timer_;
};

} // namespace rosmossel::testing
