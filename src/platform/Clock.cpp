#include "platform/Clock.h"

namespace platform {
namespace {

QDate& fixedToday()
{
    static QDate date;
    return date;
}

} // namespace

QDate today()
{
    return fixedToday().isValid() ? fixedToday() : QDate::currentDate();
}

void setTodayForTesting(QDate date)
{
    fixedToday() = date;
}

} // namespace platform
