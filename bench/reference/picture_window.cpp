// Reference for start-up: a plain Qt program that shows one picture window.
// Usage: velmora_ref_picture_window PICTURE
#include "PictureWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    TPictureWindow window(QString::fromLocal8Bit(argv[1]));
    window.show();
    return QApplication::exec();
}
