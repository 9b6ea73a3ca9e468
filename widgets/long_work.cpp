#include "widgets/long_work.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <atomic>
#include <thread>

LongWork::LongWork(QWidget* parent, const QString& label, Cancel cancel)
    : parent_(parent), label_(label), cancel_(cancel) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    started_.start();
}

LongWork::~LongWork() {
    dialog_.reset();
    QApplication::restoreOverrideCursor();
}

void LongWork::ShowDialogWhenDue() {
    if (dialog_ || started_.elapsed() < kDialogDelayMs) return;
    dialog_ = std::make_unique<QProgressDialog>(
        label_, cancel_ == Cancel::Offered ? QStringLiteral("取消") : QString(), 0, 0, parent_);
    dialog_->setWindowTitle(QStringLiteral("请稍候"));
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(0);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    // Without a cancel button, closing the dialog must not stop the work either.
    if (cancel_ == Cancel::NotOffered) dialog_->setWindowFlag(Qt::WindowCloseButtonHint, false);
    QObject::connect(dialog_.get(), &QProgressDialog::canceled, [this] {
        if (cancel_ == Cancel::Offered) cancelled_ = true;
    });
    dialog_->show();
}

QEventLoop::ProcessEventsFlags LongWork::EventsToHandle() const {
    // Input goes only to a shown dialog's "取消" button; before it shows, and
    // once it was pressed (which hides the dialog), the window repaints but
    // takes no input, so that no other command reaches the store meanwhile.
    const bool cancelShown = dialog_ && cancel_ == Cancel::Offered && !cancelled_;
    return cancelShown ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents;
}

bool LongWork::Step(long long done, long long total) {
    ShowDialogWhenDue();
    if (dialog_) {
        // A bar of at most 1000 steps: QProgressDialog counts in int.
        dialog_->setMaximum(1000);
        dialog_->setValue(total > 0 ? static_cast<int>(done * 1000 / total) : 0);
        QCoreApplication::processEvents(EventsToHandle());
    }
    return !cancelled_;
}

void LongWork::RunInWorker(const std::function<void()>& work) {
    std::atomic<bool> finished = false;
    std::thread worker([&] {
        work();
        finished = true;
    });
    while (!finished) {
        ShowDialogWhenDue();
        QCoreApplication::processEvents(EventsToHandle(), 20);
        QThread::msleep(10);
    }
    worker.join();
}

bool LongWork::Cancelled() const { return cancelled_; }
