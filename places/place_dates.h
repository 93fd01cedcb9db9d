#pragma once
// The dates of a long span (the dashas' periods, a century and more) on the
// birthplace's clocks: its tz zone's offset on each date, with the
// birthplace's own time where it replaced the zone's, as the reading takes
// them at the birth; without a known zone, the birth's own offset
// throughout.

#include "core/records/birth_record.h"
#include "places/birthplace_time.h"

#include <QString>
#include <QTimeZone>

namespace rashi::places {

class PlaceDates {
public:
    explicit PlaceDates(const BirthRecord& birth);

    // Whether the dates follow the zone (else the birth's offset).
    bool followsZone() const { return zone_.isValid(); }
    // Seconds east of Greenwich on the place's clocks at a moment (UT
    // seconds from 1970-01-01).
    int offsetAt(double utcSecond) const;
    // "1946-09-10 10:04", the place's clock time at that moment, to the minute.
    QString text(double utcSecond) const;

private:
    QString zoneId_;
    QTimeZone zone_;
    bool cityTimes_ = false;
    Birthplace place_;
    int birthOffset_ = 0;
};

} // namespace rashi::places
