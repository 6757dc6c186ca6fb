#include "CatalogueLoader.h"
#include "ContentPath.h"

#include <QApplication>
#include <QLabel>

// Until the skinned main window exists, the viewer says plainly how far it has come.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmora"));

    TVelmoraDataArray works;
    QString status;
    try {
        LoadCatalogue(ContentPath::ExecutableDir(), works);
    } catch (const EFileOpenError& error) {
        status = QString::fromStdString(error.what()) + QStringLiteral("\n\n");
    }
    status += QStringLiteral("The catalogue holds %1 works.\n"
                             "The skinned main window is not built yet.")
                  .arg(works.size());

    QLabel placeholder(status);
    placeholder.setMargin(24);
    placeholder.show();
    return QApplication::exec();
}
