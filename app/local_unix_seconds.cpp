#include "app/local_unix_seconds.h"

namespace app {

namespace {

// Days from 1970-01-01 to the given proleptic Gregorian date (negative before it).
int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<int64_t>(dayOfEra) - 719468;
}

}  // namespace

int64_t LocalUnixSecondsOf(const platform::LocalDateTime& time) {
    const int64_t days = DaysFromCivil(time.year, static_cast<unsigned>(time.month), static_cast<unsigned>(time.day));
    return days * 86400 + int64_t{time.hour} * 3600 + int64_t{time.minute} * 60 + time.second;
}

int64_t LocalUnixSeconds() { return LocalUnixSecondsOf(platform::LocalNow()); }

}  // namespace app
