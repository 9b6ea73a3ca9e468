// Work on a large case library that can take longer than a moment: the wait
// cursor appears at once, and after half a second a modal progress dialog,
// with a "取消" button where stopping half-way leaves everything as it was.
// The dialog keeps the window painting and takes the input meanwhile, so no
// other command can start before the work is over.
//
// Two ways to run the work, both on the window's own terms:
//  - in steps on the window thread, calling Step() every few thousand cases
//    (filling the case tree builds widgets, which only that thread may do);
//  - whole in a worker thread with RunInWorker(), the window thread waiting
//    in the event loop (a search, an import, an export, a backup, clearing).
//    The worker is the only user of the store until it has finished, so the
//    store's single-writer rules stay as they are.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QString>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

class LongWork {
public:
    enum class Cancel { Offered, NotOffered };

    LongWork(QWidget* parent, const QString& label, Cancel cancel);
    ~LongWork();
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

    // Reports `done` of `total` steps; false once the user has cancelled.
    bool Step(long long done, long long total);

    // Runs the work in a worker thread and returns when it has finished. A
    // cancel press is only noted (see Cancelled): the work itself decides
    // whether it can stop.
    void RunInWorker(const std::function<void()>& work);

    bool Cancelled() const;

    // How long the work runs before its dialog shows (half a second).
    static constexpr int kDialogDelayMs = 500;

private:
    void ShowDialogWhenDue();
    QEventLoop::ProcessEventsFlags EventsToHandle() const;

    QWidget* parent_;
    QString label_;
    Cancel cancel_;
    QElapsedTimer started_;
    std::unique_ptr<QProgressDialog> dialog_;
    bool cancelled_ = false;
};
