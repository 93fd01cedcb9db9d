// A zone id with a date and a time, as a chart file's 18th line and the
// report tool's --zone-id give them: the first bytes pick the date and time,
// the rest is the id. For any input: an id the system does not know, a time
// the clocks skipped and one they showed twice are told apart, each with its
// message; an offset is within a day, and the row and box chosen for it give
// exactly that offset.

#include "fuzz_support.h"
#include "places/zone_moment.h"

#include <QDate>
#include <QTime>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace rashi;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 6) return 0;
    const QDate date(1901 + data[0] % 150, 1 + data[1] % 12, 1 + data[2] % 31);
    const QTime time(data[3] % 25 == 24 ? 0 : data[3] % 24, data[4] % 60);
    const QString id = QString::fromUtf8(reinterpret_cast<const char*>(data + 5), qsizetype(size - 5));
    const places::ZoneMoment moment = places::ZoneAtMoment(id, date, time);
    if (moment.clock != places::ClockTime::Normal) FUZZ_CHECK(!moment.message.isEmpty());
    if (moment.clock == places::ClockTime::Repeated || moment.clock == places::ClockTime::Skipped)
        FUZZ_CHECK(moment.offset.seconds != moment.later.seconds);
    if (moment.clock == places::ClockTime::Normal) {
        FUZZ_CHECK(std::abs(moment.offset.seconds) < 24 * 3600);
        if (const auto choice = places::ChooseZoneRow(moment.offset, id))
            FUZZ_CHECK(places::ChoiceOffsetSeconds(*choice) == moment.offset.seconds);
        FUZZ_CHECK(!places::ExplainZone(moment).isEmpty());
    }
    return 0;
}
