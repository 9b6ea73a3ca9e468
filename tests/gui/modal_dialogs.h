// Answering the modal dialogs that a command opens: a timer looks for the
// dialog while the command waits in its event loop.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

// Runs the action on the next modal dialog of type T once it is shown, or
// gives up after about `patience` looks of 5 ms; the flag returned is set
// then.
template <typename T>
std::shared_ptr<bool> WhenModal(std::function<void(T*)> action, int patience = 400) {
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    auto finished = std::make_shared<bool>(false);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, finished, action, patience] {
        T* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && ++*tries < patience) return;
        timer->stop();
        timer->deleteLater();
        *finished = true;
        if (dialog) action(dialog);
    });
    timer->start(5);
    return finished;
}

// The next file dialog answered with this file (a path).
inline void ChooseFile(const QString& path) {
    WhenModal<QFileDialog>([path](QFileDialog* dialog) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();
    });
}

// Runs the command and tells whether it showed a modal dialog of type T
// (which is then closed).
template <typename T>
bool ShowsDialog(const std::function<void()>& command) {
    auto shown = std::make_shared<bool>(false);
    const auto finished = WhenModal<T>([shown](T* dialog) {
        *shown = true;
        dialog->reject();
    }, 40);
    command();
    if (!QTest::qWaitFor([&] { return *finished; }, 10000)) qFatal("the dialog watch did not end");
    return *shown;
}
