#pragma once

#include <functional>
#include <string>
#include <vector>

class OptionCombo;
class ProjectRecord;
class QCheckBox;
class QLineEdit;
class QSpinBox;

// The controls of a wizard page that each show one record field. Loading and flushing a page walk this one
// list, so a control is tied to its field in one place, where the page creates it.
class FieldBindings
{
public:
    // `edited` is called whenever the user changes a bound control; setting a control from the record
    // does not call it.
    explicit FieldBindings(std::function<void()> edited) : edited_(std::move(edited)) {}

    // Each gives back the control, so a page can bind it where it creates it.
    template <typename Edit> Edit* text(Edit* edit, std::string ProjectRecord::*field)
    {
        texts_.push_back({edit, field});
        reportEdits(static_cast<QLineEdit*>(edit));
        return edit;
    }
    OptionCombo* choice(OptionCombo* combo, int ProjectRecord::*field);
    QCheckBox* tick(QCheckBox* box, int ProjectRecord::*field);
    QSpinBox* number(QSpinBox* field, int ProjectRecord::*number);

    // Texts as the design's encoding reads, list positions by the choice-list rule, ticks for ticked, numbers
    // held to their field's range.
    void load(const ProjectRecord& record) const;
    // Texts in the design's encoding (re-encoding it when a character needs it), positions as shown (-1 for
    // none), ticks as ticked or unticked.
    void store(ProjectRecord& record) const;

private:
    void reportEdits(QLineEdit* edit) const;

    template <typename Control, typename Field> struct Binding
    {
        Control* control;
        Field ProjectRecord::*field;
    };

    std::vector<Binding<QLineEdit, std::string>> texts_;
    std::vector<Binding<OptionCombo, int>> choices_;
    std::vector<Binding<QCheckBox, int>> ticks_;
    std::vector<Binding<QSpinBox, int>> numbers_;
    std::function<void()> edited_;
};
