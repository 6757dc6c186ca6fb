#include <QGuiApplication>

#include <gtest/gtest.h>

// Drawing sets the canvas font, which needs the application's font database.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
