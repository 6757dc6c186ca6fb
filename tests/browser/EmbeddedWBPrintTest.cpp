#include "BrowserFixture.h"
#include "Dialogs.h"
#include "PagePrinter.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPrinter>
#include <QTest>

namespace {

// Answers the print dialog without showing it: the pages go into a PDF file.
class PrintToFileDialogs : public TDialogs {
public:
    void ShowError(QWidget*, const QString&) override {}
    void ShowMessage(QWidget*, const QString&, const QString&) override {}
    QString AskSaveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    bool AskPrint(QWidget*, QPrinter& printer) override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(outputFile);
        return !outputFile.isEmpty();
    }
    void OpenExternally(const QUrl&) override {}

    QString outputFile;
};

class PrintTest : public BrowserFixture {
protected:
    void SetUp() override
    {
        SetDialogs(&dialogs_);
        ASSERT_TRUE(Load("page.html", kRootPage));
    }
    void TearDown() override { SetDialogs(nullptr); }

    // Prints into the file and waits until it holds a whole PDF document.
    bool PrintInto(const QString& name, const QString& title)
    {
        dialogs_.outputFile = PathOf(name);
        wb_.Print(&window_, title);
        return QTest::qWaitFor(
            [&] {
                return QFileInfo::exists(PathOf(name)) &&
                       printed_.load(PathOf(name)) == QPdfDocument::Error::None;
            },
            8000);
    }

    PrintToFileDialogs dialogs_;
    QPdfDocument printed_;
};

TEST_F(PrintTest, EveryPageHasTheTitleAndItsNumberOnTop)
{
    ASSERT_TRUE(PrintInto("printed.pdf", "Catalogue"));
    const int pages = printed_.pageCount();
    ASSERT_GE(pages, 2) << "a page 3000 pixels high takes several sheets";
    for (int page = 0; page < pages; ++page) {
        const QString text = printed_.getAllText(page).text();
        EXPECT_TRUE(text.contains("Catalogue")) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages)))
            << text.toStdString();
        EXPECT_TRUE(text.contains("page.html")) << "the address at the bottom";
        EXPECT_TRUE(
            text.contains(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)));
    }
}

TEST_F(PrintTest, EmptyTitleStillPrints)
{
    ASSERT_TRUE(PrintInto("untitled.pdf", QString()));
    EXPECT_TRUE(printed_.getAllText(0).text().contains(QStringLiteral("Page 1 of ")));
}

TEST_F(PrintTest, CancelledDialogPrintsNothing)
{
    dialogs_.outputFile.clear();
    wb_.Print(&window_, "Catalogue");
    // Prints finish in order: once a later one is out, the cancelled one would be too.
    ASSERT_TRUE(PrintInto("after.pdf", "Catalogue"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), (QStringList{"after.pdf", "page.html"}));
}

TEST(PagePrinterTest, WhatIsNoPdfPrintsNothing)
{
    QTemporaryDir dir;
    for (const QByteArray& pdf : {QByteArray(), QByteArray("%PDF-1.4 broken")}) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("out.pdf"));
        EXPECT_FALSE(PagePrinter::Print(pdf, printer, {"title", "address", "date"}));
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("out.pdf")));
    }
}

} // namespace
