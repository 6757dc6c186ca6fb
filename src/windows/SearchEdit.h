#pragma once

#include <QLineEdit>

// The search window's one-line edit: borderless on the skin's dark red, in the content's font;
// it starts with a placeholder text that goes when the edit takes the focus.
class TSearchEdit : public QLineEdit {
public:
    explicit TSearchEdit(QWidget& window);

    // The text the edit starts with; a search for it runs nothing.
    static const QString Placeholder;

protected:
    // edSearchEnter: the placeholder goes, any other text stays.
    void focusInEvent(QFocusEvent* event) override;
};
