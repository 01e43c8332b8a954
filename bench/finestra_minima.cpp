// A window and nothing else: what any Qt Widgets program costs to start.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.resize(687, 532);
    finestra.show();
    return app.exec();
}
