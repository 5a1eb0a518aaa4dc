#pragma once

#include <QComboBox>

#include <string_view>
#include <vector>

// A drop-down list of one of the fixed option lists, in its order; the position is what the record keeps.
class OptionCombo : public QComboBox
{
    Q_OBJECT

public:
    OptionCombo(const std::vector<std::string_view>& entries, const QString& objectName,
                QWidget* parent = nullptr);

    // A position outside the list leaves the list without a selection, so it flushes as -1.
    void selectPosition(int position);

private:
    const std::vector<std::string_view>& entries_;
};
