#include "ContentGenerator.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>

// Writes the sample content set into the folder given as the one argument.
int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: velmora_sample_content_gen <output folder>\n";
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    const QString failures = ContentGenerator::Generate(arguments.at(1));
    if (!failures.isEmpty()) {
        err << "could not write:\n" << failures;
        return 1;
    }
    QTextStream(stdout) << "sample content written to " << arguments.at(1) << " in "
                        << clock.elapsed() << " ms\n";
    return 0;
}
