#include "TestApplication.h"

#include <QGuiApplication>

// The application lives until the process ends: destroyed among the other statics at exit it
// would outlive the font database it registered with.
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "velmora_sample_content_test";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr)
        new QGuiApplication(argc, argv);
}
