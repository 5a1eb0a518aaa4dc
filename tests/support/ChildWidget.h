#pragma once

#include <QWidget>

#include <stdexcept>
#include <string>

// The child widget with this object name; a missing one fails the test with the name it looked for.
template <typename Widget> Widget* child(QWidget* parent, const char* objectName)
{
    auto* widget = parent->findChild<Widget*>(objectName);
    if (!widget)
        throw std::runtime_error(std::string("no widget named ") + objectName);
    return widget;
}
