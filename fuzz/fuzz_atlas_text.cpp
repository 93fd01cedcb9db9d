// The atlas file's text, packed as the file packs it, through the loader:
// fuzz_atlas_file mutates packed bytes, which almost never unpack. For any
// text:
// - a refused text says why, in one sentence, and gives no atlas;
// - a loaded atlas holds as many places as its counts line says, and every
//   place a search finds has a name, a country, coordinates on the globe and
//   a zone id that names a place, and, when every place's keys hold its own name (as
//   scripts/make-atlas.py writes them), is found again by its own label.

#include "core/zones/zone_ids.h"
#include "fuzz_support.h"
#include "places/atlas.h"
#include "places/text_fold.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace rashi;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    const auto atlas = places::Atlas::FromBytes(QByteArray("RDATLAS1") + qCompress(text), &error);
    if (!atlas) {
        FUZZ_CHECK(!error.isEmpty() && !error.contains(QLatin1Char('\n')));
        return 0;
    }
    const QList<QByteArray> lines = text.split('\n');
    FUZZ_CHECK(lines.size() > 2);
    const QList<QByteArray> counts = lines[2].split('\t');
    FUZZ_CHECK(counts.size() == 5 && counts[4].toInt() == atlas->PlaceCount());

    bool namesAreKeys = true;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        if (line.startsWith("P\t") && fields.size() == 9) {
            const std::string key = places::SearchKey(QString::fromUtf8(fields[1]));
            namesAreKeys = namesAreKeys && fields[8].split('|').contains(QByteArray::fromStdString(key));
        }
    }

    // Search for each place by its own name.
    int searched = 0;
    for (const QByteArray& line : lines) {
        if (!line.startsWith("P\t") || ++searched > 8)
            continue;
        const QString name = QString::fromUtf8(line.split('\t').value(1));
        const auto found = atlas->Search(name, 5);
        FUZZ_CHECK(found.size() <= 5);
        for (const places::Place& place : found) {
            FUZZ_CHECK(!place.name.isEmpty() && !place.country.isEmpty());
            FUZZ_CHECK(std::fabs(place.latitude) <= 90 && std::fabs(place.longitude) <= 180);
            FUZZ_CHECK(NamesAPlace(place.zoneId.toStdString()));
            const auto again = atlas->Search(place.Label(), 50);
            FUZZ_CHECK(again.size() <= 50);
            // Found again, unless fifty places share its label.
            FUZZ_CHECK(!namesAreKeys || again.size() == 50 ||
                       std::any_of(again.begin(), again.end(), [&](const places::Place& p) { return p.SamePlace(place); }));
        }
    }
    return 0;
}
