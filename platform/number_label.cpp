#include "platform/number_label.h"

#include "platform/accessible_factory.h"

#include <QAccessibleWidget>

namespace {

// Its text is the number, read as a read-only text.
class NumberLabelAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NumberLabelAccessible(NumberLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? number() : QAccessibleWidget::text(kind);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return number().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(number().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // One run over the whole number.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    const NumberLabel* label() const { return static_cast<const NumberLabel*>(widget()); }
    // The counters are drawn padded with a blank for the sign.
    QString number() const { return label()->text().trimmed(); }
};

} // namespace

NumberLabel::NumberLabel(QWidget* parent) : QLabel(parent) {
    InstallAccessible<NumberLabel, NumberLabelAccessible>();
}
