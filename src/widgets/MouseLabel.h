#pragma once

#include <QLabel>

// A label, or a plain coloured area holding other controls, that reports clicks and
// mouse movement over it.
class MouseLabel : public QLabel {
    Q_OBJECT

public:
    explicit MouseLabel(const QString& objectName, const QString& text, QWidget* parent);

    // Shows the pointing hand over the label and makes it a link: assistive technology can press
    // it, and the keyboard reaches it with Tab and presses it with Enter or Space (widgets/Keyboard).
    void setHandPointer();
    bool isLink() const { return m_isLink; }
    // What a click does, for a screen reader's press.
    void press() { emit clicked(); }

signals:
    void clicked();
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_isLink = false;
};

// A label with the pointing hand that opens one of the maker's pages when clicked.
MouseLabel* newLinkLabel(const QString& objectName, const QString& text, QWidget* parent, void (*linkOperation)());
