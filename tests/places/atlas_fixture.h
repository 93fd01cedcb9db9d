#pragma once
// The committed atlas, read once per test program.

#include "places/atlas.h"
#include "places/birth_zone.h"
#include "places/place.h"
#include "tests/core/fixtures.h"

#include <QFile>

#include <gtest/gtest.h>

namespace rashi::places {

inline QByteArray AtlasFileBytes() {
    QFile file(QStringLiteral(RASHI_ATLAS_SOURCE));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline const Atlas& TheAtlas() {
    static const Atlas atlas = [] {
        QString error;
        std::optional<Atlas> loaded = Atlas::FromBytes(AtlasFileBytes(), &error);
        if (!loaded) {
            ADD_FAILURE() << error.toStdString();
            std::abort();
        }
        return *std::move(loaded);
    }();
    return atlas;
}

// The entries of a birth at a place of the atlas, at that clock time.
inline Entries BirthAt(const char* place, int year, int month, int day, int hour = 12, int minute = 0) {
    Entries e;
    const std::optional<Place> found = TheAtlas().Find(QString::fromUtf8(place));
    if (!found) {
        ADD_FAILURE() << "no " << place << " in the atlas";
        return e;
    }
    ApplyPlace(e, *found);
    testing::SetBirthMoment(e, day, month, year, hour, minute);
    return e;
}

} // namespace rashi::places
