#pragma once

#include <QLabel>
#include <QPointer>

// A short note at a field that says why it refused what was typed or pasted. It is drawn inside the
// field's window beside the field and lets every click through to the controls under it, so it never
// takes a click or a keystroke meant for another field; the next key, click or change of focus ends it.
class FieldHint : public QLabel
{
    Q_OBJECT

public:
    // Shows `text` at `field`, in place of any hint shown in the same window.
    static void show(QWidget* field, const QString& text);
    // The hint shown at `field` now, or nullptr.
    static const FieldHint* shownAt(const QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit FieldHint(QWidget* window);

    static FieldHint* of(QWidget* window);
    void attach(QWidget* field, const QString& text);
    void dismiss();
    void place();
    QRect fieldRect() const;

    QPointer<QWidget> field_;
};
