#pragma once
// The atlas's tables in SQLite: what the build's generator writes into
// share/rashi-drishti/places.sqlite, and what an atlas read from its text
// file holds in memory. Every search is a range of the names table's key:
//
//   regions(id, kind, country, code, name, key, code_key)  kind 'C' or 'S'
//   zones(id, zone)
//   places(id, name, state, country, latitude, longitude, zone, population)
//   names(key, place, population, state, country)  primary key (key, place)
//   facts(name, value)  inputs, source_bytes, place_count, name_count
//
// Places keep the text file's order as their id, which breaks ties between
// places of equal population as before.

#include "places/atlas_text.h"

#include <sqlite3.h>

#include <QString>

namespace rashi::places {

// "RDAT": the file's application id, so another program's database is told apart.
constexpr int kAtlasApplicationId = 0x52444154;
constexpr int kAtlasTablesVersion = 1;

// Creates the tables in an empty database and fills them in one transaction.
bool WriteAtlasTables(sqlite3* db, const AtlasSource& source, QString* error);

} // namespace rashi::places
