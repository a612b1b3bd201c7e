// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <algorithm>

namespace kuji6 {

namespace {

constexpr char kRoleProperty[] = "kuji6AccessibleRole";
constexpr char kHiddenProperty[] = "kuji6HiddenFromScreenReaders";

bool isHidden(const QObject* object) {
    return object->property(kHiddenProperty).toBool();
}

// The child widgets Qt lists in the tree, but for the hidden ones.
QList<QWidget*> listedChildren(const QWidget* widget) {
    QList<QWidget*> listed;
    for (QObject* object : widget->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && !qobject_cast<QMenu*>(child) && !isHidden(child)) {
            listed << child;
        }
    }
    return listed;
}

bool hasHiddenChild(const QWidget* widget) {
    const QObjectList& children = widget->children();
    return std::any_of(children.begin(), children.end(), isHidden);
}

// A window with a role of its own, or a container that leaves its hidden children out.
class ArrangedWidget final : public QAccessibleWidget {
  public:
    ArrangedWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QString text(QAccessible::Text kind) const override {
        // Without a name of its own, Qt would name a frame after the frame it sits in.
        const auto* group = qobject_cast<const QGroupBox*>(widget());
        if (kind == QAccessible::Name && group && group->accessibleName().isEmpty()) {
            return group->title();
        }
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return static_cast<int>(listedChildren(widget()).size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = listedChildren(widget());
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(listedChildren(widget()).indexOf(child->object())) : -1;
    }
};

// What is left of a hidden widget, for a relation that still points to it: a label's text.
class HiddenWidget final : public QAccessibleWidget {
  public:
    explicit HiddenWidget(QWidget* widget)
        : QAccessibleWidget(widget, qobject_cast<QLabel*>(widget) ? QAccessible::StaticText
                                                                  : QAccessible::Separator) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = qobject_cast<const QLabel*>(widget());
        return kind == QAccessible::Name && label ? label->text() : QString();
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

bool isPlainContainer(const QWidget* widget) {
    return widget->metaObject() == &QWidget::staticMetaObject ||
           widget->metaObject() == &QGroupBox::staticMetaObject;
}

QAccessibleInterface* arrangedInterface(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) {
        return nullptr;
    }
    if (isHidden(widget)) {
        return new HiddenWidget(widget);
    }
    if (const QVariant role = widget->property(kRoleProperty); role.isValid()) {
        return new ArrangedWidget(widget, role.value<QAccessible::Role>());
    }
    if (isPlainContainer(widget) && hasHiddenChild(widget)) {
        return new ArrangedWidget(
            widget, qobject_cast<QGroupBox*>(widget) ? QAccessible::Grouping : QAccessible::Client);
    }
    return nullptr;
}

// Qt asks the factories installed last first, ours before its own for the same class.
void installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(&arrangedInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

// A widget's interface is made once and kept; one made before the widget was marked (a
// label's text announces itself as it is set) is dropped, to be made again by the factory.
void forgetInterface(QWidget* widget) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

}  // namespace

void announceWindow(QWidget* window, QAccessible::Role role) {
    installFactory();
    window->setProperty(kRoleProperty, QVariant::fromValue(role));
    forgetInterface(window);
}

void nameComboBox(QComboBox* box, const QString& name, std::initializer_list<QLabel*> labels,
                  const QString& description) {
    box->setAccessibleName(name);
    box->setAccessibleDescription(description);
    for (QLabel* label : labels) {
        Q_ASSERT(label->parentWidget() == box->parentWidget());
        label->setBuddy(box);
    }
}

void hideFromScreenReaders(QWidget* decoration) {
    installFactory();
    decoration->setProperty(kHiddenProperty, true);
    forgetInterface(decoration);
    if (QWidget* parent = decoration->parentWidget()) {
        forgetInterface(parent);
    }
}

}  // namespace kuji6
