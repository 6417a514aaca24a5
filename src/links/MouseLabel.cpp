#include "links/MouseLabel.h"

#include "links/Look.h"

#include <QMouseEvent>

MouseLabel::MouseLabel(const QString& objectName, const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
}

void MouseLabel::setHandPointer()
{
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
