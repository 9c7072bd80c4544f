// SPDX-License-Identifier: MIT
// Accessible interfaces of the window and the label.
#include "view/qt/accessibility.h"

#include "view/qt/fendrelwindow.h"

#include <QAccessibleWidget>

namespace {

class AccessibleWindow final : public QAccessibleWidget {
public:
    explicit AccessibleWindow(FendrelWindow* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit static_cast<FendrelWindow*>(widget())->clicked(Control::Window);
    }
};

// The text, line by line, as the label shows it; nothing can be selected or edited.
class AccessibleLabel final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleLabel(AnzeigeLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? shown() : QAccessibleWidget::text(type);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            emit static_cast<FendrelWindow*>(widget()->window())->clicked(Control::Label);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        return {};
    }

private:
    QString shown() const { return static_cast<AnzeigeLabel*>(widget())->text(); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("FendrelWindow"))
        return new AccessibleWindow(static_cast<FendrelWindow*>(object));
    if (className == QLatin1String("AnzeigeLabel"))
        return new AccessibleLabel(static_cast<AnzeigeLabel*>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static const bool installed = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(installed);
}
