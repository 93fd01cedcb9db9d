// Chart-file bytes through the reader. For any bytes:
// - the ways in agree: ReadChartFile on a stream, ParseChartFile on the bytes,
//   and SplitChartFile followed by EntriesFromChartLines and the check of an
//   18th line (empty, or a zone of the system's tz database);
// - an accepted file is read whole: every list position lies inside its list,
//   one option of each pair is chosen, a coordinate is at most three digits;
// - a reading the entries do not pass leaves the driver's records as they were;
// - a reading that passes has its 36 captions, the same as on a fresh driver,
//   and saving it then reading the saved file back gives the same birth and,
//   saved again, the same bytes.

#include "core/reading/calculation_driver.h"
#include "core/chart_files/chart_file.h"
#include "core/records/trim.h"
#include "core/zones/zone_ids.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using namespace rashi;

void CheckReadWhole(const Entries& e) {
    FUZZ_CHECK(e.MonthPosition >= 0 && e.MonthPosition < 12);
    FUZZ_CHECK(kDayList.contains(e.DatePosition));
    FUZZ_CHECK(kYearList.contains(e.YearPosition));
    FUZZ_CHECK(kHourList.contains(e.HourPosition));
    FUZZ_CHECK(kMinuteList.contains(e.MinutePosition));
    FUZZ_CHECK(e.ZoneRow >= 0 && e.ZoneRow < kTimeZoneCount);
    for (const std::string* text : {&e.LatDeg, &e.LatMin, &e.LonDeg, &e.LonMin}) {
        FUZZ_CHECK(text->size() <= 3);
        FUZZ_CHECK(text->find_first_not_of("0123456789") == std::string::npos);
    }
    FUZZ_CHECK(e.North != e.South);
    FUZZ_CHECK(e.East != e.West);
}

void CheckSaveAndReopen(const ReadingRecords& records, int zoneRow) {
    const std::string saved = FormatChartFile(records.birth, zoneRow);
    const auto reopened = ParseChartFile(saved);
    FUZZ_CHECK(reopened);
    FUZZ_CHECK(reopened->ZoneRow == zoneRow);

    ReferenceTables tables;
    LoadReferenceTables(tables);
    BirthRecord birth;
    FillBirthRecord(*reopened, tables, birth);
    BirthRecord expected = records.birth;
    expected.Name = TrimSpaces(expected.Name); // the file keeps the name trimmed
    FUZZ_CHECK(birth == expected);
    FUZZ_CHECK(FormatChartFile(birth, reopened->ZoneRow) == saved);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const auto entries = ParseChartFile(bytes);
    std::istringstream stream{std::string(bytes)};
    FUZZ_CHECK(ReadChartFile(stream) == entries);
    std::string eighteenth;
    TaggedLines tagged;
    const auto lines = SplitChartFile(bytes, nullptr, &eighteenth, &tagged);
    std::optional<Entries> split = lines ? EntriesFromChartLines(*lines) : std::nullopt;
    if (split) split->Tagged = tagged;
    if (split && !eighteenth.empty()) {
        if (IsKnownZoneId(eighteenth)) split->ZoneId = eighteenth;
        else split.reset();
    }
    FUZZ_CHECK(entries == split);
    if (!entries) return 0;
    CheckReadWhole(*entries);

    CalculationDriver driver;
    FUZZ_CHECK(!driver.Calculate(GreenwichEntries()));
    const RecordsSnapshot before(driver.records());
    if (driver.Calculate(*entries)) {
        FUZZ_CHECK(RecordsSnapshot(driver.records()) == before);
        return 0;
    }
    CheckCaptions(ReportLines(driver.report()));
    CalculationDriver fresh;
    FUZZ_CHECK(!fresh.Calculate(*entries));
    FUZZ_CHECK(RecordsSnapshot(fresh.records()) == RecordsSnapshot(driver.records()));
    CheckSaveAndReopen(driver.records(), entries->ZoneRow);
    return 0;
}
