#pragma once

// Answers the next modal window from the event loop, so a test can call a
// routine that opens a box or a dialog and waits for the player.

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

namespace peglore::testing {

// Once a modal widget is active, records what the test needs of it (via
// inspect) and then lets answer close it. Gives up after about five
// seconds by closing whatever is modal, so a test never hangs. Setting
// *stop (when given) ends the wait early: for a call that may open no box,
// so that the waiting answer does not take a later one.
inline void AnswerNextModal(std::function<void(QWidget*)> answer, std::function<void(QWidget*)> inspect = {},
                            std::shared_ptr<bool> stop = {})
{
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [=]() {
        if (stop && *stop) {
            *poll = nullptr;
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (++*tries < 500) {
                QTimer::singleShot(10, *poll);
                return;
            }
            *poll = nullptr;
            return;
        }
        if (inspect)
            inspect(modal);
        answer(modal);
        // An answer that did not close the window must not hang the test:
        // close it, and the caller sees a different answer than expected.
        QPointer<QWidget> answered(modal);
        QTimer::singleShot(3000, [answered]() {
            if (answered && answered->isVisible())
                answered->close();
        });
        *poll = nullptr;  // break the cycle
    };
    QTimer::singleShot(0, *poll);
}

}  // namespace peglore::testing
