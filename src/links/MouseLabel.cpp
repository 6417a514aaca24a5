#include "links/MouseLabel.h"

#include "links/Look.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace {

// A label with the pointing hand is a link: a screen reader announces it as one and can press it.
class AccessibleLink : public QAccessibleWidget {
public:
    explicit AccessibleLink(MouseLabel* label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<const MouseLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction())
            static_cast<MouseLabel*>(widget())->press();
    }
};

QAccessibleInterface* accessibleLinks(const QString& className, QObject* object)
{
    if (className != QLatin1String("MouseLabel"))
        return nullptr;
    auto* label = static_cast<MouseLabel*>(object);
    return label->isLink() ? new AccessibleLink(label) : nullptr;
}

} // namespace

MouseLabel::MouseLabel(const QString& objectName, const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

void MouseLabel::setHandPointer()
{
    static const bool linksKnown = [] {
        QAccessible::installFactory(accessibleLinks);
        return true;
    }();
    Q_UNUSED(linksKnown);
    m_isLink = true;
    setCursor(look::handCursor());
}

void MouseLabel::mouseMoveEvent(QMouseEvent* event)
{
    // The movement belongs to this label alone, not to the panel it lies on.
    event->accept();
    emit mouseMoved();
}

void MouseLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

MouseLabel* newLinkLabel(const QString& objectName, const QString& text, QWidget* parent,
                         void (*linkOperation)())
{
    auto* label = new MouseLabel(objectName, text, parent);
    label->setHandPointer();
    QObject::connect(label, &MouseLabel::clicked, label, linkOperation);
    return label;
}
