// The atlas file's bytes through the loader. For any bytes:
// - a file that is refused says why, in one sentence, and gives no atlas;
// - a file that loads answers searches with no more places than asked for,
//   each with a name, a country, coordinates on the globe and a zone id of
//   the tz database's shape, and finds each place again by its own label.

#include "core/zones/zone_ids.h"
#include "fuzz_support.h"
#include "places/atlas.h"

#include <QtGlobal>

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace rashi;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // qUncompress reports damaged data on the message log at every turn.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString error;
    const auto atlas = places::Atlas::FromBytes(QByteArrayView(data, qsizetype(size)), &error);
    if (!atlas) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(atlas->PlaceCount() >= 0 && atlas->NameCount() >= atlas->PlaceCount());
    for (const char* typed : {"a", "Pu", "Mumbai", "Springfield, Illinois", "z, z, z"}) {
        const auto found = atlas->Search(QString::fromLatin1(typed), 5);
        FUZZ_CHECK(found.size() <= 5);
        for (const places::Place& place : found) {
            FUZZ_CHECK(!place.name.isEmpty() && !place.country.isEmpty());
            FUZZ_CHECK(std::fabs(place.latitude) <= 90 && std::fabs(place.longitude) <= 180);
            FUZZ_CHECK(IsZoneIdShape(place.zoneId.toStdString()));
            FUZZ_CHECK(!atlas->Search(place.Label(), 50).empty());
        }
    }
    return 0;
}
