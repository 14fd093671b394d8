// A combo box's accessible interface that answers its name from its accessible name, and the
// focus it hands to the entry chosen while it is closed.
#include "runtime/qt/qt_accessible_list.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace quantaro {

namespace {

constexpr const char* namedListProperty = "quantaroNamedList";

class NamedListAccessible final : public QAccessibleWidget {
  public:
    explicit NamedListAccessible(QComboBox& list)
        : QAccessibleWidget(&list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return list().accessibleName();
            case QAccessible::Value:
                return list().currentText();
            default:
                return QAccessibleWidget::text(t);
        }
    }
    // The open list, as Qt's own combo box shows it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list().view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list().view() ? 0 : -1;
    }
    QStringList actionNames() const override {
        return QAccessibleWidget::actionNames() << showMenuAction();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction()) {
            list().showPopup();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QComboBox& list() const { return *static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* namedListFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QComboBox") && object->property(namedListProperty).toBool()) {
        return new NamedListAccessible(*static_cast<QComboBox*>(object));
    }
    return nullptr;
}

// Orca follows a closed GTK list's choice onto the chosen entry, which it learns of from the
// list's selection, and speaks the entry. Qt 6.4 tells screen readers on Linux of no selection,
// nor of a new value or description as a text Orca can speak, so the entry chosen by the keys
// takes the focus, as far as screen readers hear. The open list tells of its own focus.
void focusChosenEntry(QComboBox& list, int entry) {
    if (entry < 0 || !list.hasFocus() || list.view()->isVisible()) {
        return;
    }
    // The entries are the open list's children, as Qt's own views tell of their focus.
    QAccessibleEvent focused(list.view(), QAccessible::Focus);
    focused.setChild(entry);
    QAccessible::updateAccessibility(&focused);
}

}  // namespace

void keepAccessibleName(QComboBox& list) {
    static const bool installed = (QAccessible::installFactory(namedListFactory), true);
    (void)installed;
    list.setProperty(namedListProperty, true);
    QObject::connect(&list, &QComboBox::currentIndexChanged, &list,
                     [&list](int entry) { focusChosenEntry(list, entry); });
}

}  // namespace quantaro
