#include "TestFiles.h"
#include "WindowsFixture.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// What a screen reader finds on a window: its children's roles and names, in order.
class AccessibilityTest : public BrowserWindowFixture {
protected:
    static std::vector<QAccessibleInterface*> Children(QWidget* window)
    {
        QAccessibleInterface* parent = QAccessible::queryAccessibleInterface(window);
        std::vector<QAccessibleInterface*> children;
        for (int i = 0; i < parent->childCount(); ++i)
            children.push_back(parent->child(i));
        return children;
    }

    static QAccessibleInterface* Named(QWidget* window, const QString& name)
    {
        for (QAccessibleInterface* child : Children(window)) {
            if (child->text(QAccessible::Name) == name)
                return child;
        }
        return nullptr;
    }
};

TEST_F(AccessibilityTest, TheMainWindowNamesItselfAndEveryButtonByItsTitle)
{
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(main_);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Velmora");

    const std::vector<QAccessibleInterface*> children = Children(main_);
    for (const TSignPoint& sign : kSignPoints) {
        const QString title = TitleOf(sign.Section);
        ASSERT_FALSE(title.isEmpty());
        QAccessibleInterface* button = Named(main_, title);
        ASSERT_NE(button, nullptr) << title.toStdString();
        EXPECT_EQ(button->role(), QAccessible::Button);
        EXPECT_EQ(button->parent(), window);
        EXPECT_EQ(window->indexOfChild(button),
                  std::find(children.begin(), children.end(), button) - children.begin());
    }
    QAccessibleInterface* close = Named(main_, TitleOf("close"));
    ASSERT_NE(close, nullptr);
    const QRect bounds = content_.ButtonBounds("close");
    EXPECT_EQ(close->rect(), QRect(main_->mapToGlobal(bounds.topLeft()), bounds.size()));
    EXPECT_EQ(window->childAt(close->rect().center().x(), close->rect().center().y()), close);
}

// The catalogue tells its tabs, with the group shown as the one on, and the switches of that
// group with their states; a switch turned on by a click is told on, by the same interface.
TEST_F(AccessibilityTest, TheCatalogueTellsItsTabsAndTheShownGroupsSwitches)
{
    constexpr int kColours = 3;
    QTest::mouseClick(main_, Qt::LeftButton, {}, kSignPoints[kColours].Inside);
    ASSERT_TRUE(catalogue_->isVisible());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(catalogue_)->text(QAccessible::Name),
              "Catalogue");

    QAccessibleInterface* coloursTab = Named(catalogue_, TitleOf("param_4"));
    QAccessibleInterface* timeTab = Named(catalogue_, TitleOf("param_3"));
    ASSERT_NE(coloursTab, nullptr);
    ASSERT_NE(timeTab, nullptr);
    EXPECT_EQ(coloursTab->role(), QAccessible::PageTab);
    EXPECT_TRUE(coloursTab->state().checked);
    EXPECT_FALSE(timeTab->state().checked);

    QAccessibleInterface* pink = Named(catalogue_, TitleOf("filtr_3_4"));
    ASSERT_NE(pink, nullptr);
    EXPECT_EQ(pink->role(), QAccessible::CheckBox);
    EXPECT_TRUE(pink->state().checkable);
    EXPECT_FALSE(pink->state().checked);
    Click(*catalogue_, "filtr_3_4");
    EXPECT_EQ(Named(catalogue_, TitleOf("filtr_3_4")), pink);
    EXPECT_TRUE(pink->state().checked);

    // Another group's switches are not on the window while its panel is not shown.
    EXPECT_EQ(Named(catalogue_, TitleOf("filtr_2_1")), nullptr);

    const auto children = Children(catalogue_);
    EXPECT_TRUE(std::any_of(children.begin(), children.end(), [](QAccessibleInterface* child) {
        return child->role() == QAccessible::ScrollBar &&
               child->text(QAccessible::Name) == "Page scroll bar";
    })) << "named for what it scrolls, never for its skin";
}

TEST_F(AccessibilityTest, AButtonWithoutATitleIsNamedAfterItsSection)
{
    QAccessibleInterface* show = Named(catalogue_, TitleOf("button_show"));
    ASSERT_NE(show, nullptr);
    const QString buttons = content_.Path("buttons.ini");
    std::string skin = TestFiles::Read(buttons);
    const size_t title = skin.find("title=", skin.find("[button_show]"));
    ASSERT_NE(title, std::string::npos);
    skin.erase(title + std::strlen("title="),
               skin.find('\r', title) - title - std::strlen("title="));
    TestFiles::Write(buttons, skin);
    program_.reset();
    StartWindows(true);

    EXPECT_NE(Named(catalogue_, "button show"), nullptr);
}

} // namespace
