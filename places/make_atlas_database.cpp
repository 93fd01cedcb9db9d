// The build's generator of the atlas database: reads the committed atlas
// file and writes the same atlas as SQLite tables with their indexes.
//
//   rashi-atlas-database data/atlas/places.atlas share/rashi-drishti/places.sqlite

#include "places/atlas.h"

#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ATLAS-FILE DATABASE\n", argv[0]);
        return 2;
    }
    QString error;
    const auto atlas = rashi::places::Atlas::LoadFile(QString::fromLocal8Bit(argv[1]), &error);
    if (!atlas || !atlas->SaveDatabase(QString::fromLocal8Bit(argv[2]), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("%d places, %d names\n", atlas->PlaceCount(), atlas->NameCount());
    return 0;
}
