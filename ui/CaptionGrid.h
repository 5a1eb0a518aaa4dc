#pragma once

#include <QGridLayout>

class QLabel;

// Rows of "Caption : field unit" with the captions in one column, so that the fields of a group line up.
// Each caption is its field's buddy, which gives the field its name for screen readers.
class CaptionGrid : public QGridLayout
{
    Q_OBJECT

public:
    explicit CaptionGrid(QWidget* parent = nullptr);

    // The field keeps its own width, left-aligned after the caption.
    QLabel* addRow(const QString& caption, QWidget* field, const QString& unit = {});
    // The field takes the whole width after the caption; nullptr for a row without caption.
    QLabel* addWideRow(const QString& caption, QWidget* field);
    // The caption names the first of the fields.
    void addWideRow(const QString& caption, QLayout* fields);

    // Gives the grids one caption width, so that the fields of groups stacked above each other line up.
    static void alignCaptions(const QList<CaptionGrid*>& grids);

private:
    QLabel* addCaption(const QString& caption, int row);
    int widestCaption() const;

    int rows_ = 0;
};
