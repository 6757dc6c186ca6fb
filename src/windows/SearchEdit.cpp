#include "SearchEdit.h"

#include "FontInstaller.h"
#include "WindowLayout.h"

namespace {

constexpr QRect kGeometry = WindowLayout::kSearchEdit;
constexpr QColor kBackground(0x8A, 0x14, 0x14);
constexpr int kFontPixels = 13;

} // namespace

const QString TSearchEdit::Placeholder = QStringLiteral("string for search");

TSearchEdit::TSearchEdit(QWidget& window) : QLineEdit(Placeholder, &window)
{
    setGeometry(kGeometry);
    setFrame(false);
    // The placeholder is the edit's text, so a screen reader needs a name of its own.
    setAccessibleName(QStringLiteral("Text to search for"));
    QFont font(kTitleFontFamily.toString());
    font.setPixelSize(kFontPixels);
    setFont(font);
    QPalette colours = palette();
    // The text takes the colour a window's background has, light on the dark red.
    colours.setColor(QPalette::Text, palette().color(QPalette::Base));
    colours.setColor(QPalette::Base, kBackground);
    setPalette(colours);
    // Opaque, so that a blink of the cursor repaints the edit alone, not the window beneath,
    // which is composed whole with its pages.
    setAutoFillBackground(true);
}

void TSearchEdit::focusInEvent(QFocusEvent* event)
{
    if (text() == Placeholder)
        clear();
    QLineEdit::focusInEvent(event);
}
