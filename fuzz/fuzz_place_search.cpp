// What a user types into the City box, searched in the real atlas (loaded
// once). For any text: at most the asked number of places, no place twice,
// each found again by its own label, and the names given to the boxes made of
// letters and spaces only, so that the key filters and chart files take them.

#include "core/entries/key_filters.h"
#include "fuzz_support.h"
#include "places/atlas.h"
#include "places/text_fold.h"

#include <QSet>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>

using namespace rashi;

namespace {

const places::Atlas& TheAtlas() {
    static const std::optional<places::Atlas> atlas = [] {
        QString error;
        auto loaded = places::Atlas::LoadDefault(&error);
        if (!loaded) {
            std::fprintf(stderr, "no atlas: %s\n", qPrintable(error));
            std::abort();
        }
        return loaded;
    }();
    return *atlas;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto found = TheAtlas().Search(typed, 10);
    FUZZ_CHECK(found.size() <= 10);
    QSet<QString> labels;
    for (const places::Place& place : found) {
        FUZZ_CHECK(!labels.contains(place.Label() + place.zoneId + QString::number(place.latitude)));
        labels.insert(place.Label() + place.zoneId + QString::number(place.latitude));
        for (const QString& name : {place.name, place.state, place.country})
            FUZZ_CHECK(kLetterFilter.acceptsText(places::FoldForBox(name).toStdString()));
    }
    return 0;
}
