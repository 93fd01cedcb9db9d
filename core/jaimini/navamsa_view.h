#pragma once
// The navamsa chart as a reading of its own, for everything that shows a
// reading (the results panel, the diagram, the page, Copy Reading): the
// positions, the 36 captions, the lagna and the houses are the navamsa's;
// the birth record, the karakas and the window stay the birth chart's.

#include "core/records/reading_records.h"

namespace rashi {

// Records whose Jaimini reading was computed; others are returned as they are.
ReadingRecords NavamsaView(const ReadingRecords& records);

} // namespace rashi
