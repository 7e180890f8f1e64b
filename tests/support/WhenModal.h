#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

namespace mk21::test {

// Runs `answer` on the modal window that the next exec() shows, once it is up, so that no test
// waits on a dialog nobody answers. Without a modal window the test fails instead of hanging.
inline void WhenModal(std::function<void(QWidget*)> answer)
{
    QTimer::singleShot(0, qApp, [answer = std::move(answer)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            ADD_FAILURE() << "no modal window is shown";
            return;
        }
        answer(modal);
    });
}

// The control of `window` with that object name; throws (failing the test) when there is none.
template <class T> T* Control(const QWidget* window, const char* name)
{
    T* control = window->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr)
        throw std::runtime_error(std::string("no control ") + name);
    return control;
}

} // namespace mk21::test
