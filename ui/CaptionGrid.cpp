#include "ui/CaptionGrid.h"

#include <QLabel>

#include <algorithm>

namespace {

// Left to right; the fill column takes the room that the others leave.
enum Column
{
    captionColumn,
    fieldColumn,
    unitColumn,
    fillColumn
};
// A wide field reaches over the unit's column to the end of the row.
constexpr int wideFieldSpan = fillColumn - fieldColumn + 1;

} // namespace

CaptionGrid::CaptionGrid(QWidget* parent) : QGridLayout(parent)
{
    setHorizontalSpacing(8);
    setVerticalSpacing(6);
    setColumnStretch(fillColumn, 1);
}

QLabel* CaptionGrid::addRow(const QString& caption, QWidget* field, const QString& unit)
{
    const int row = rows_++;
    QLabel* label = addCaption(caption, row);
    label->setBuddy(field);
    addWidget(field, row, fieldColumn, Qt::AlignLeft | Qt::AlignVCenter);
    if (!unit.isEmpty())
        addWidget(new QLabel(unit), row, unitColumn, Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel* CaptionGrid::addWideRow(const QString& caption, QWidget* field)
{
    const int row = rows_++;
    // A row without a caption carries no empty label, which a screen reader would announce.
    QLabel* label = caption.isEmpty() ? nullptr : addCaption(caption, row);
    if (label != nullptr)
        label->setBuddy(field);
    addWidget(field, row, fieldColumn, 1, wideFieldSpan);
    return label;
}

void CaptionGrid::addWideRow(const QString& caption, QLayout* fields)
{
    const int row = rows_++;
    QLabel* label = addCaption(caption, row);
    if (QLayoutItem* first = fields->itemAt(0))
        label->setBuddy(first->widget());
    addLayout(fields, row, fieldColumn, 1, wideFieldSpan);
}

QLabel* CaptionGrid::addCaption(const QString& caption, int row)
{
    auto* label = new QLabel(caption);
    addWidget(label, row, captionColumn, Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void CaptionGrid::alignCaptions(const QList<CaptionGrid*>& grids)
{
    int width = 0;
    for (const CaptionGrid* grid : grids)
        width = std::max(width, grid->widestCaption());
    for (CaptionGrid* grid : grids)
        grid->setColumnMinimumWidth(captionColumn, width);
}

int CaptionGrid::widestCaption() const
{
    int width = 0;
    for (int row = 0; row < rows_; ++row) {
        if (const QLayoutItem* caption = itemAtPosition(row, captionColumn))
            width = std::max(width, caption->sizeHint().width());
    }
    return width;
}
