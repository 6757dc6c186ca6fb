#include "ContentGenerator.h"

#include "Canvas.h"
#include "CatalogueWriter.h"
#include "ContentFolder.h"
#include "PageWriter.h"
#include "SettingsWriter.h"
#include "SkinWriter.h"
#include "WorkPictureWriter.h"

namespace ContentGenerator {
namespace {
constexpr int kDoubleScale = 2;
} // namespace

QString Generate(const QString& folder)
{
    ContentFolder content(folder);
    CatalogueWriter::Write(content);
    WorkPictureWriter::Write(content);
    SkinWriter::Write(content);
    // The skin again with twice the pixels each way, for HiDPI screens.
    Canvas::SetScale(kDoubleScale);
    SkinWriter::Write(content);
    Canvas::SetScale(1);
    PageWriter::Write(content);
    SettingsWriter::WriteUnlessPresent(content);
    content.MakeFolder(u"fonts");
    return content.Failures();
}

} // namespace ContentGenerator
