#pragma once
// The committed atlas, read once per test program.

#include "places/atlas.h"

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

} // namespace rashi::places
