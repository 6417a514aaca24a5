#pragma once

#include <QDate>

namespace platform {

// Today's calendar date on this machine.
QDate today();

// Tests fix the date here. An invalid date brings back the machine's clock.
void setTodayForTesting(QDate date);

} // namespace platform
