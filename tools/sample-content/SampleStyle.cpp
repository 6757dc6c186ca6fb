#include "SampleStyle.h"

#include <QFontDatabase>
#include <QStringList>

namespace SampleStyle {
namespace {

const QString kFontDir = QStringLiteral("/usr/share/fonts/truetype/dejavu/");

// The family a font file registers under, or empty.
QString LoadFamily(const QString& file)
{
    const int id = QFontDatabase::addApplicationFont(kFontDir + file);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.first();
}

struct TFamilies {
    QString sans;
    QString serif;
};

const TFamilies& Families()
{
    static const TFamilies families = [] {
        TFamilies loaded;
        loaded.sans = LoadFamily(QStringLiteral("DejaVuSans.ttf"));
        LoadFamily(QStringLiteral("DejaVuSans-Bold.ttf"));
        loaded.serif = LoadFamily(QStringLiteral("DejaVuSerif.ttf"));
        LoadFamily(QStringLiteral("DejaVuSerif-Bold.ttf"));
        LoadFamily(QStringLiteral("DejaVuSerif-Italic.ttf"));
        return loaded;
    }();
    return families;
}

QFont Make(const QString& family, int pixelSize, bool bold, bool italic)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace

QColor WithAlpha(QColor color, int alpha)
{
    color.setAlpha(alpha);
    return color;
}

QFont Sans(int pixelSize, bool bold)
{
    return Make(Families().sans, pixelSize, bold, false);
}

QFont Serif(int pixelSize, bool bold, bool italic)
{
    return Make(Families().serif, pixelSize, bold, italic);
}

} // namespace SampleStyle
