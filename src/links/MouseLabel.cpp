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
    emit mouseMoved();
    QLabel::mouseMoveEvent(event);
}

void MouseLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

MouseLabel* newLinkLabel(const QString& objectName, const QString& text, QWidget* parent,
                         void (*linkOperation)())
{
    auto* label = new MouseLabel(objectName, text, parent);
    label->setHandPointer();
    QObject::connect(label, &MouseLabel::clicked, label, linkOperation);
    return label;
}
