#pragma once

#include <QImage>
#include <QWidget>

// The least a skinned window is: a borderless window the size of its JPEG picture, centred on
// the screen, that paints the picture.
class TPictureWindow : public QWidget {
public:
    explicit TPictureWindow(const QString& picturePath);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage picture_;
};
