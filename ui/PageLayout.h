#pragma once

#include <QMargins>
#include <QString>

class QGroupBox;
class QLayout;

// The layout that the step pages share: the room around a page's content and its framed groups.
class PageLayout
{
public:
    static constexpr QMargins margins{8, 8, 8, 8};

    // A framed group with its caption, holding `content`.
    static QGroupBox* group(const QString& title, QLayout* content);
};
