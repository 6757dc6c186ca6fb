#include "ContentFolder.h"
#include "ContentGenerator.h"
#include "IconPainter.h"
#include "SettingsWriter.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

namespace {

constexpr char kSettingsOption[] = "--settings";

// The settings a package ships, written afresh into the file given.
int WriteShippedSettings(const QString& file)
{
    const QFileInfo info(file);
    ContentFolder folder(info.path());
    folder.WriteText(info.fileName(), SettingsWriter::Defaults());
    return folder.Failures().isEmpty() ? 0 : 1;
}

} // namespace

// Writes the sample content set into the folder given first, and the application's icon theme
// into the one given second, if any; or with --settings, only the settings a package ships.
int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String(kSettingsOption))
        return WriteShippedSettings(arguments.at(2));
    if (arguments.size() < 2 || arguments.size() > 3) {
        err << "usage: velmora_sample_content_gen <content folder> [<icon folder>]\n"
               "       velmora_sample_content_gen --settings <file>\n";
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    QString failures = ContentGenerator::Generate(arguments.at(1));
    if (arguments.size() == 3)
        failures += IconPainter::WriteTheme(arguments.at(2));
    if (!failures.isEmpty()) {
        err << "could not write:\n" << failures;
        return 1;
    }
    QTextStream(stdout) << "sample content written to " << arguments.at(1) << " in "
                        << clock.elapsed() << " ms\n";
    return 0;
}
