#include <QApplication>
#include <QWebEngineView>

// The yardstick of the first preview: the least a Qt program does to show a local page in a web view,
// at the size and place of the first preview window of the default design.
int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QWebEngineView view;
    view.setGeometry(0, 0, 280, 315);
    view.load(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    view.show();
    return application.exec();
}
