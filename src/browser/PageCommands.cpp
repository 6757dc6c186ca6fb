#include "PageCommands.h"

#include "Dialogs.h"
#include "uEmbeddedWB.h"

#include <QDir>
#include <QPrinter>
#include <QWebEngineView>

TPageCommands::TPageCommands(QWidget& window, TEmbeddedWB& browser)
    : window_(window), browser_(browser)
{
}

void TPageCommands::Run(TPageCommand command)
{
    switch (command) {
    case TPageCommand::Save:
        Save();
        break;
    case TPageCommand::Print:
        Print();
        break;
    case TPageCommand::Copy:
        browser_.Copy();
        break;
    }
}

void TPageCommands::Save()
{
    const QString fileName = Dialogs().AskSaveFileName(
        &window_, QStringLiteral("html"), QStringLiteral("HTML (*.html);;Все файлы (*.*)"));
    if (!fileName.isEmpty())
        SaveHtmlSource(fileName);
}

void TPageCommands::Print()
{
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    if (!Dialogs().AskPrint(&window_, *printer))
        return;
    const QString printerName = printer->outputFileName().isEmpty()
                                    ? printer->printerName()
                                    : QDir::toNativeSeparators(printer->outputFileName());
    browser_.Print(std::move(printer), browser_.PageTitle(), [this, printerName](bool printed) {
        if (!printed)
            Dialogs().ShowError(&window_, QStringLiteral("Cannot print the page on \"%1\": the "
                                                         "printer did not take it.")
                                              .arg(printerName));
    });
}

void TPageCommands::SaveHtmlSource(const QString& fileName)
{
    const WholeFile::TWrite saved = browser_.SaveSource(fileName);
    switch (saved.Failure) {
    case WholeFile::TFailure::None:
        break;
    case WholeFile::TFailure::CannotCreate:
        Dialogs().ShowError(&window_, QStringLiteral("Cannot create file \"%1\". %2")
                                          .arg(QDir::toNativeSeparators(fileName), saved.Reason));
        break;
    case WholeFile::TFailure::CannotWrite:
        Dialogs().ShowMessage(&window_,
                              QStringLiteral("Fail to save HTML source: %1").arg(saved.Reason),
                              QStringLiteral("Error"));
        break;
    }
}
