#include "widgets/Announcer.h"

#include <QAccessibleWidget>

namespace {

class AccessibleAnnouncer : public QAccessibleWidget {
public:
    explicit AccessibleAnnouncer(QWidget* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }
};

QAccessibleInterface* announcerInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("Announcer") && object && object->isWidgetType())
        return new AccessibleAnnouncer(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent)
{
    static const bool known = [] {
        QAccessible::installFactory(announcerInterface);
        return true;
    }();
    Q_UNUSED(known);
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Announcer::announce(const QString& text)
{
    // A notification is read when it comes on screen.
    hide();
    setAccessibleName(text);
    show();
}
