#include "PictureWindow.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TPictureWindow::TPictureWindow(const QString& picturePath) : picture_(picturePath)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFixedSize(picture_.size());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.center() - rect().center());
}

void TPictureWindow::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, picture_);
}
