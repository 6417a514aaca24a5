#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class CommandButton;
class QFont;
class QLabel;
class QRadioButton;
class QWidget;

// The controls of the quiz windows, built alike: all on the same blue, with the same buttons.
namespace controls {

inline const QColor WindowBlue(48, 98, 165);
inline const QColor ButtonFace(255, 224, 192);
inline const QColor White(255, 255, 255);

// A Verdana bold button on the quiz windows' button face.
CommandButton* newButton(const char* objectName, const char* caption, QWidget* parent, const QRect& geometry);
// A plain-text label that wraps its text.
QLabel* newLabel(const QString& objectName, const QString& text, QWidget* parent, const QRect& geometry,
                 const QFont& font, const QColor& colour = White);
// An option button with a light circle and a caption in the colour.
QRadioButton* newOption(const QString& objectName, const QString& caption, QWidget* parent, const QRect& geometry,
                        const QFont& font, const QColor& colour);
// The text without the spaces before and after it; other white space stays, as in the names the
// tests ask for.
QString withoutOuterSpaces(const QString& text);
// Clears every option of a group, which the user alone cannot do.
void clearOptions(std::initializer_list<QRadioButton*> options);

} // namespace controls
