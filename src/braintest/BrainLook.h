#pragma once

#include <QColor>

// The colours of the Brain Test's texts, on the blue of every quiz window.
namespace brainlook {

inline const QColor Yellow(255, 255, 0);
inline const QColor Green(0, 255, 0);
inline const QColor Orange(255, 128, 0);

} // namespace brainlook
