#pragma once

#include <QColor>
#include <QRect>

class CommandButton;
class QFont;
class QLabel;
class QRadioButton;
class QWidget;

// What the two Brain Test windows share in looks.
namespace brainlook {

inline const QColor WindowBlue(48, 98, 165);
inline const QColor ButtonFace(255, 224, 192);
inline const QColor White(255, 255, 255);
inline const QColor Yellow(255, 255, 0);
inline const QColor Green(0, 255, 0);
inline const QColor Orange(255, 128, 0);

// A rectangle designed in twips.
QRect twips(int left, int top, int width, int height);

CommandButton* newButton(const char* objectName, const char* caption, QWidget* parent, const QRect& geometry);
// A plain-text label that wraps its text.
QLabel* newLabel(const char* objectName, const QString& text, QWidget* parent, const QRect& geometry,
                 const QFont& font, const QColor& colour);
QRadioButton* newOption(const char* objectName, const QString& caption, QWidget* parent, const QRect& geometry,
                        const QColor& colour);
// Clears both options of a group, which the user alone cannot do.
void clearOptions(QRadioButton* first, QRadioButton* second);

} // namespace brainlook
