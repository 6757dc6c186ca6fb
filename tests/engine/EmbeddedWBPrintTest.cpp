#include "BrowserFixture.h"
#include "EventWait.h"
#include "PagePrinter.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QPrinter>
#include <QTest>

#include <optional>

namespace {

class PrintTest : public BrowserFixture {
protected:
    void SetUp() override { ASSERT_TRUE(Load("page.html", kRootPage)); }

    // Prints into the file and waits until it holds a whole PDF document.
    bool PrintInto(const QString& name, const QString& title)
    {
        auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(PathOf(name));
        std::optional<bool> printed;
        wb_.Print(printer, title, [&printed](bool ok) { printed = ok; });
        return WaitFor([&] { return printed.has_value(); }, 8000) && *printed &&
               printed_.load(PathOf(name)) == QPdfDocument::Error::None;
    }

    QPdfDocument printed_;
};

TEST_F(PrintTest, EveryPageHasTheTitleAndItsNumberOnTopOverThePagesOwnText)
{
    ASSERT_TRUE(PrintInto("printed.pdf", "Catalogue"));
    EXPECT_TRUE(printed_.getAllText(0).text().contains("root"))
        << "the page's text is text a reader finds, not a picture";
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
