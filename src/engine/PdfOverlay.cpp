#include "PdfOverlay.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <exception>

namespace PdfOverlay {
namespace {

void Read(QPDF& document, const char* description, const QByteArray& bytes)
{
    // What is wrong with a document is the caller's answer, not lines on the terminal.
    document.setSuppressWarnings(true);
    document.processMemoryFile(description, bytes.constData(), size_t(bytes.size()));
}

// Draws form over the whole of page, after what the page draws.
void Stamp(QPDF& document, QPDFPageObjectHelper& page, QPDFObjectHandle form)
{
    QPDFObjectHandle resources = page.getAttribute("/Resources", true);
    int suffix = 1;
    const std::string name = resources.getUniqueResourceName("/Fx", suffix);
    const std::string placing =
        page.placeFormXObject(form, name, page.getMediaBox().getArrayAsRectangle());
    resources.mergeResources(QPDFObjectHandle::parse("<< /XObject << >> >>"));
    resources.getKey("/XObject").replaceKey(name, form);
    // The page's own drawing is kept apart, so that its state does not move the stamp.
    page.addPageContents(document.newStream("q\n"), true);
    page.addPageContents(document.newStream("\nQ\n" + placing), false);
}

QByteArray Written(QPDF& document)
{
    QPDFWriter writer(document);
    writer.setOutputMemory();
    writer.write();
    const std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(buffer->getBuffer()),
                      qsizetype(buffer->getSize()));
}

} // namespace

std::optional<QByteArray> Overlaid(const QByteArray& under, const QByteArray& over)
{
    try {
        QPDF base;
        Read(base, "pages", under);
        QPDF top;
        Read(top, "overlay", over);
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(base).getAllPages();
        std::vector<QPDFPageObjectHelper> tops = QPDFPageDocumentHelper(top).getAllPages();
        if (pages.empty() || pages.size() != tops.size())
            return std::nullopt;
        for (size_t page = 0; page < pages.size(); ++page)
            Stamp(base, pages[page], base.copyForeignObject(tops[page].getFormXObjectForPage()));
        return Written(base);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

} // namespace PdfOverlay
