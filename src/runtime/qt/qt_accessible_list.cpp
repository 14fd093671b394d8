// A combo box's accessible interface that answers its name from its accessible name.
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

}  // namespace

void keepAccessibleName(QComboBox& list) {
    static const bool installed = (QAccessible::installFactory(namedListFactory), true);
    (void)installed;
    list.setProperty(namedListProperty, true);
}

}  // namespace quantaro
