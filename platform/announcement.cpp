#include "platform/announcement.h"

#include "platform/accessible_factory.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// A notification, named by the text it announces.
class AnnouncementAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(Announcement* announcement)
        : QAccessibleWidget(announcement, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            return static_cast<const Announcement*>(widget())->text();
        }
        return QAccessibleWidget::text(kind);
    }
};

} // namespace

Announcement::Announcement(QWidget* parent) : QWidget(parent) {
    InstallAccessible<Announcement, AnnouncementAccessible>();
    setObjectName(QStringLiteral("announcement"));
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcement::announce(const QString& text) {
    // Appearing is what a screen reader reads out, so each text appears anew.
    hide();
    m_text = text;
    show();
}
