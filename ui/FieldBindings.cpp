#include "ui/FieldBindings.h"

#include "project/ProjectRecord.h"
#include "ui/OptionCombo.h"
#include "ui/RecordText.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

// Only the signals of the user's own changes: loading a page from the record is no edit.
void FieldBindings::reportEdits(QLineEdit* edit) const
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, edited_);
}

OptionCombo* FieldBindings::choice(OptionCombo* combo, int ProjectRecord::*field)
{
    choices_.push_back({combo, field});
    QObject::connect(combo, &QComboBox::activated, combo, edited_);
    return combo;
}

QCheckBox* FieldBindings::tick(QCheckBox* box, int ProjectRecord::*field)
{
    ticks_.push_back({box, field});
    QObject::connect(box, &QCheckBox::clicked, box, edited_);
    return box;
}

QSpinBox* FieldBindings::number(QSpinBox* field, int ProjectRecord::*number)
{
    numbers_.push_back({field, number});
    QObject::connect(field, &QSpinBox::valueChanged, field, edited_);
    return field;
}

void FieldBindings::load(const ProjectRecord& record) const
{
    for (const auto& [edit, field] : texts_)
        edit->setText(RecordText::shown(record, record.*field));
    for (const auto& [combo, field] : choices_)
        combo->selectPosition(record.*field);
    for (const auto& [box, field] : ticks_)
        box->setChecked(record.*field == ProjectRecord::ticked);
    for (const auto& [spin, field] : numbers_) {
        const QSignalBlocker loading(spin);
        spin->setValue(record.*field);
    }
}

void FieldBindings::store(ProjectRecord& record) const
{
    for (const auto& [edit, field] : texts_)
        RecordText::store(record, record.*field, edit->text());
    for (const auto& [combo, field] : choices_)
        record.*field = combo->currentIndex();
    for (const auto& [box, field] : ticks_)
        record.*field = box->isChecked() ? ProjectRecord::ticked : ProjectRecord::unticked;
    for (const auto& [spin, field] : numbers_)
        record.*field = spin->value();
}
