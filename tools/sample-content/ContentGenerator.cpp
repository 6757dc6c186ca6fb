#include "ContentGenerator.h"

#include "CatalogueWriter.h"
#include "ContentFolder.h"
#include "PageWriter.h"
#include "SkinWriter.h"
#include "WorkPictureWriter.h"

namespace ContentGenerator {

QString Generate(const QString& folder)
{
    ContentFolder content(folder);
    CatalogueWriter::Write(content);
    WorkPictureWriter::Write(content);
    SkinWriter::Write(content);
    PageWriter::Write(content);
    content.MakeFolder(u"fonts");
    return content.Failures();
}

} // namespace ContentGenerator
