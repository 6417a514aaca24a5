#include "widgets/MouseLabel.h"

#include "widgets/Look.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace {

// What a screen reader announces of a mouse label: a label with the pointing hand is a link,
// which it can press; one with text is a text; one without is a plain panel.
class AccessibleMouseLabel : public QAccessibleWidget {
public:
    explicit AccessibleMouseLabel(MouseLabel* label)
        : QAccessibleWidget(label)
    {
    }

    QAccessible::Role role() const override
    {
        if (label()->isLink())
            return QAccessible::Link;
        return label()->text().isEmpty() ? QAccessible::Pane : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return label()->isLink() ? QStringList{pressAction()} : QStringList{}; }

    void doAction(const QString& actionName) override
    {
        if (label()->isLink() && actionName == pressAction())
            label()->press();
    }

private:
    MouseLabel* label() const { return static_cast<MouseLabel*>(widget()); }
};

QAccessibleInterface* accessibleMouseLabel(const QString& className, QObject* object)
{
    if (className != QLatin1String("MouseLabel"))
        return nullptr;
    return new AccessibleMouseLabel(static_cast<MouseLabel*>(object));
}

} // namespace

MouseLabel::MouseLabel(const QString& objectName, const QString& text, QWidget* parent)
    : QLabel(parent)
{
    static const bool announced = [] {
        QAccessible::installFactory(accessibleMouseLabel);
        return true;
    }();
    Q_UNUSED(announced);
    setText(text);
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

void MouseLabel::setHandPointer()
{
    m_isLink = true;
    setCursor(look::handCursor());
    setFocusPolicy(Qt::TabFocus);
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

void MouseLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A dotted frame in the text's own colour, which shows on every background the labels lie on.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

MouseLabel* newLinkLabel(const QString& objectName, const QString& text, QWidget* parent, void (*linkOperation)())
{
    auto* label = new MouseLabel(objectName, text, parent);
    label->setHandPointer();
    QObject::connect(label, &MouseLabel::clicked, label, linkOperation);
    return label;
}
