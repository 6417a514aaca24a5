#include "widgets/MouseLabel.h"

#include "widgets/Look.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <utility>

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

void MouseLabel::keyPressEvent(QKeyEvent* event)
{
    const bool pressKey = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
        || event->key() == Qt::Key_Space;
    if (m_isLink && pressKey && !(event->modifiers() & ~Qt::KeypadModifier)) {
        event->accept();
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
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

void putLinksLastInTabOrder(QWidget* window)
{
    QList<QWidget*> controls;
    QList<QWidget*> links;
    for (QWidget* widget = window->nextInFocusChain(); widget != window; widget = widget->nextInFocusChain()) {
        if (!window->isAncestorOf(widget) || !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        const auto* label = qobject_cast<MouseLabel*>(widget);
        (label && label->isLink() ? links : controls).append(widget);
    }
    if (controls.isEmpty())
        return;
    // Links side by side on one panel in reading order: top to bottom, then left to right.
    const auto place = [](const QWidget* link) { return std::pair(link->y(), link->x()); };
    for (auto panel = links.begin(); panel != links.end();) {
        const auto panelEnd = std::find_if(panel, links.end(), [panel](const QWidget* link) {
            return link->parentWidget() != (*panel)->parentWidget();
        });
        std::stable_sort(panel, panelEnd,
                         [&place](const QWidget* one, const QWidget* other) { return place(one) < place(other); });
        panel = panelEnd;
    }
    QWidget* previous = controls.last();
    for (QWidget* link : links) {
        QWidget::setTabOrder(previous, link);
        previous = link;
    }
}
