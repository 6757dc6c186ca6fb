#include "AccessibleSkin.h"

#include "uMainMenu.h"
#include "uScrollEx.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace {

QHash<const QObject*, TAccessibleSkin*>& SkinWindows()
{
    static QHash<const QObject*, TAccessibleSkin*> windows;
    return windows;
}

QRect RectOf(const TBounds& bounds)
{
    return QRect(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
}

// "button_show" becomes "button show": a name for a control the skin gives no title.
QString NameFromSection(const std::string& section)
{
    return QString::fromStdString(section).replace(u'_', u' ');
}

QPolygon OutlineOf(const TButtonEx& button)
{
    const auto& polygon = button.GetPolygon();
    return polygon ? QPolygon(QList<QPoint>(polygon->begin(), polygon->end())) : QPolygon();
}

QAccessible::Role RoleOf(const TMainMenuEx& group, const TButtonEx& button)
{
    if (group.Role() == TGroupRole::Tabs)
        return QAccessible::PageTab;
    return button.GetKind() == ButtonKind::Toggle ? QAccessible::CheckBox : QAccessible::Button;
}

// One control of a window, as its window last described it.
class TAccessibleSkinItem : public QAccessibleInterface {
public:
    TAccessibleSkinItem(QWidget* window, TAccessibleControl control, bool focused)
        : window_(window), control_(std::move(control)), focused_(focused)
    {
    }

    void Update(TAccessibleControl control, bool focused)
    {
        control_ = std::move(control);
        focused_ = focused;
    }
    bool Focused() const { return focused_; }
    const void* Identity() const { return control_.Identity; }

    bool isValid() const override { return !window_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return window_ ? window_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(window_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? control_.Name : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!window_)
            return {};
        return QRect(window_->mapToGlobal(control_.Bounds.topLeft()), control_.Bounds.size());
    }
    QAccessible::Role role() const override { return control_.Role; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !control_.Visible || !window_ || !window_->isVisible();
        state.checkable = control_.Checkable;
        state.checked = control_.On;
        state.focusable = control_.PressAt.has_value();
        state.focused = focused_;
        return state;
    }

private:
    QPointer<QWidget> window_;
    TAccessibleControl control_;
    bool focused_;
};

// A skinned window: its widgets (the browsers, the search edit) as any widget's, then the
// controls drawn on it.
class TAccessibleSkinWindow : public QAccessibleWidget {
public:
    explicit TAccessibleSkinWindow(QWidget* window)
        : QAccessibleWidget(window, qobject_cast<QDialog*>(window) ? QAccessible::Dialog
                                                                   : QAccessible::Window)
    {
    }
    ~TAccessibleSkinWindow() override
    {
        for (TAccessibleSkinItem* item : items_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
    }

    int childCount() const override
    {
        Refresh();
        return QAccessibleWidget::childCount() + int(items_.size());
    }
    QAccessibleInterface* child(int index) const override
    {
        Refresh();
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const size_t item = size_t(index - widgets);
        return item < items_.size() ? items_[item] : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto found = std::find(items_.begin(), items_.end(), child);
        if (found == items_.end())
            return QAccessibleWidget::indexOfChild(child);
        return QAccessibleWidget::childCount() + int(found - items_.begin());
    }
    // Later controls are drawn over earlier ones.
    QAccessibleInterface* childAt(int x, int y) const override
    {
        Refresh();
        for (auto item = items_.rbegin(); item != items_.rend(); ++item) {
            if (!(*item)->state().invisible && (*item)->rect().contains(x, y))
                return *item;
        }
        return QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface* focusChild() const override
    {
        Refresh();
        const auto found =
            std::find_if(items_.begin(), items_.end(), [](auto* item) { return item->Focused(); });
        return found == items_.end() ? QAccessibleWidget::focusChild() : *found;
    }

private:
    // Asks the window again; a control that stays keeps its interface. A window on its way out
    // has no controls left.
    void Refresh() const
    {
        TAccessibleControls controls;
        const void* focused = nullptr;
        if (TAccessibleSkin* skin = SkinWindows().value(widget())) {
            skin->DescribeControls(controls);
            focused = skin->FocusedControl();
        }
        std::vector<TAccessibleSkinItem*> refreshed;
        for (TAccessibleControl& control : controls) {
            const bool isFocused = focused && control.Identity == focused;
            const auto kept = std::find_if(items_.begin(), items_.end(), [&](auto* item) {
                return item->Identity() == control.Identity;
            });
            if (kept == items_.end()) {
                auto* item = new TAccessibleSkinItem(widget(), std::move(control), isFocused);
                QAccessible::registerAccessibleInterface(item);
                refreshed.push_back(item);
                continue;
            }
            (*kept)->Update(std::move(control), isFocused);
            refreshed.push_back(*kept);
            items_.erase(kept);
        }
        for (TAccessibleSkinItem* gone : items_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(gone));
        items_ = std::move(refreshed);
    }

    mutable std::vector<TAccessibleSkinItem*> items_;
};

QAccessibleInterface* SkinWindowInterface(const QString&, QObject* object)
{
    if (!SkinWindows().contains(object))
        return nullptr;
    return new TAccessibleSkinWindow(static_cast<QWidget*>(object));
}

} // namespace

void DescribeButtons(TAccessibleControls& controls, const TMainMenuEx& group)
{
    for (const TButtonEx& button : group.Buttons()) {
        const bool tab = group.Role() == TGroupRole::Tabs;
        const bool pressable = group.IsEnabled() && button.IsVisible();
        controls.push_back({.Identity = &button,
                            .Role = RoleOf(group, button),
                            .Name = button.GetTitle().isEmpty()
                                        ? NameFromSection(button.GetSection())
                                        : button.GetTitle(),
                            .Bounds = RectOf(button.GetBounds()),
                            .Checkable = tab || button.GetKind() == ButtonKind::Toggle,
                            .On = !tab && button.GetOn(),
                            .Visible = button.IsVisible(),
                            .Group = &group,
                            .PressAt = pressable ? button.PressPoint() : std::nullopt,
                            .Outline = OutlineOf(button)});
    }
}

void DescribeScrollBar(TAccessibleControls& controls, const TScrollExBase& bar, const QString& name)
{
    controls.push_back({.Identity = &bar,
                        .Role = QAccessible::ScrollBar,
                        .Name = name,
                        .Bounds = RectOf(bar.GetBounds()),
                        .Visible = bar.GetMax() > 0});
}

void RegisterSkinWindow(const QWidget* window, TAccessibleSkin& skin)
{
    static const bool installed = (QAccessible::installFactory(SkinWindowInterface), true);
    (void)installed;
    SkinWindows().insert(window, &skin);
}

void UnregisterSkinWindow(const QWidget* window)
{
    SkinWindows().remove(window);
}

void TellFocusMoved(const QWidget* window)
{
    // Only the window's own controls are told here; a page tells of its own focus.
    const TAccessibleSkin* skin = SkinWindows().value(window);
    if (!QAccessible::isActive() || !skin || !skin->FocusedControl())
        return;
    QAccessibleInterface* focused =
        QAccessible::queryAccessibleInterface(const_cast<QWidget*>(window))->focusChild();
    if (!focused)
        return;
    QAccessibleEvent event(focused, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

bool FocusMarkShown()
{
    const TAccessibleSkin* skin = SkinWindows().value(QApplication::focusWidget());
    return skin && skin->FocusedControl();
}
