#pragma once

#include <QObject>
#include <QString>

#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

// The widget below `parent` with this objectName. A missing one fails the test with the name it looked
// for and ends it, rather than handing back a null pointer for the next line to crash on.
template <typename Widget> Widget* findWidget(const QObject* parent, const char* objectName)
{
    auto* widget = parent->findChild<Widget*>(QString::fromLatin1(objectName));
    if (widget == nullptr) {
        ADD_FAILURE() << "no widget named " << objectName;
        throw std::runtime_error(std::string("no widget named ") + objectName);
    }
    return widget;
}
