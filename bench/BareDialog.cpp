#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>

// The yardstick of the cold start measurement: the least a Qt Widgets program does to show a dialog.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("A bare dialog")));
    return dialog.exec();
}
