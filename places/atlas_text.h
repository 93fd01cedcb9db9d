#pragma once
// The atlas file as committed (data/atlas/places.atlas, made by
// scripts/make-atlas.py): "RDATLAS1", the unpacked size, then zlib-packed
// lines of countries, states, zones and places. Read into plain tables,
// which the atlas then keeps in SQLite (places/atlas_tables.h).

#include <QByteArrayView>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rashi::places {

struct AtlasSource {
    struct Region {
        QString code;
        QString name;
        int country = -1; // states only
    };
    struct Record {
        std::string name; // UTF-8
        std::int32_t latitude = 0; // 1e-4 degree
        std::int32_t longitude = 0;
        std::uint32_t population = 0;
        std::int32_t state = -1;
        int country = 0;
        int zone = 0;
        std::vector<std::string> keys; // ASCII a-z and space: main and alternate names
    };

    QString inputs;
    std::vector<Region> countries;
    std::vector<Region> states;
    std::vector<QString> zones;
    std::vector<Record> places;
    qint64 fileBytes = 0; // the size of the file it came from
};

// A damaged, truncated or foreign file gives nothing and, in *error, one
// sentence saying what was wrong (and on which line).
std::optional<AtlasSource> ReadAtlasText(QByteArrayView bytes, QString* error);

} // namespace rashi::places
