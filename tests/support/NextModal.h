#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

// Acts on the modal dialog that the code under test is about to run: `act` gets it once the dialog's
// event loop runs (nullptr when no dialog came up) and closes it as a user would.
inline void onNextModal(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] { act(QApplication::activeModalWidget()); });
}
