#include "core/jaimini/navamsa_view.h"

#include "core/jaimini/chart_signs.h"
#include "core/jaimini/navamsa.h"
#include "core/moon/birth_moment.h"
#include "core/planets/position_table.h"

namespace rashi {

ReadingRecords NavamsaView(const ReadingRecords& records) {
    ReadingRecords view = records;
    if (!records.jaimini.computed) return view;
    const NavamsaRecord& navamsa = records.jaimini.navamsa;
    view.positions = navamsa.positions;
    view.report = navamsa.report;
    view.jaimini.birthAscendant = records.ascendant;
    const double lagna = NavamsaLongitude(JaiminiAscendant(records));
    view.ascendant.SiderealLongitude = lagna;
    view.ascendant.PositionText = ShortPositionText(SignPositionText(lagna));
    view.jaimini.lagna = navamsa.lagna;
    view.jaimini.signs = navamsa.signs;
    view.jaimini.houses = navamsa.houses;
    // The arudha padas belong to the birth chart's houses.
    view.jaimini.arudhaPadas.fill(-1);
    view.jaimini.navamsaShown = true;
    return view;
}

} // namespace rashi
