#include "core/zones/time_zones.h"

namespace rashi {
namespace {

struct ZoneRow {
    std::string_view text;
    std::int16_t hours;
    std::int16_t minutes;
};

// The rows in list order; a chart file stores the row, so the order is fixed.
constexpr ZoneRow kZoneRows[kTimeZoneCount] = {
    {"Alaska/Hawaii Daylight Time,AHDT,9.0", 9, 0},
    {"Alaska/Hawaii Standard Time,AHST,10.0", 10, 0},
    {"Alaska/Hawaii War Time,AHWT,9.0", 9, 0},
    {"Atlantic Standard Time,AST,4.0", 4, 0},
    {"Atlantic War Time,AWT,3.0", 3, 0},
    {"Australian Central Daylight Time,ACDT,-10.30", -10, -30},
    {"Australian Central Standard Time,ACST,-9.30", -9, -30},
    {"Australian Eastern Daylight Time,AEDT,-11.0", -11, 0},
    {"Australian Eastern Standard Time,AEST,-10.0", -10, 0},
    {"Australian Western Daylight Time,AWDT,-9.0", -9, 0},
    {"Australian Western Standard Time,AWST,-8.0", -8, 0},
    {"Azores Time, AT, 2#", 2, 0},
    {"Baghdad Time, BAT, -3#", -3, 0},
    {"Bering Standard Time,BET,11.0", 11, 0},
    {"Brazil Zone 2,BZT2,3.0", 3, 0},
    {"British Double Summer Time,BDST,-2.0", -2, 0},
    {"British Summer Time,BST,-1.0", -1, 0},
    {"British War Time,BWT,-2.0", -2, 0},
    {"Central Daylight Time,CDT,5.0", 5, 0},
    {"Central European Daylight,CED,-2.0", -2, 0},
    {"Central European Time,CET,-1.0", -1, 0},
    {"Central Standard Time,CST,6.0", 6, 0},
    {"Central War Time,CWT,5.0", 5, 0},
    {"China Coast Time,CCT,-8.0", -8, 0},
    {"Eastern Daylight Time,EDT,4.0", 4, 0},
    {"Eastern European Daylight Time,EED,-3.0", -3, 0},
    {"Eastern European Time,EET,-2.0", -2, 0},
    {"Eastern Standard Time,EST,5.0", 5, 0},
    {"Eastern War Time,EWT,4.0", 4, 0},
    {"Greenwich Mean Time,GMT,0.0", 0, 0},
    {"Guam Standard Time,GST,-10.0", -10, 0},
    {"Hawaiian Daylight Time,HDT,9.30", 9, 30},
    {"Hawaiian Standard Time,HST,10.30", 10, 30},
    {"Hawaiian War Time,HWT,9.30", 9, 30},
    {"Indian Time, IST, -5.3", -5, -30},
    {"Int'l Date Line East,IDLE,-12.0", -12, 0},
    {"Int'l Date Line West,IDLW,12.0", 12, 0},
    {"Iran Time, IT, -3.30", -3, -30},
    {"Japan Standard Time,JST,-9.0", -9, 0},
    {"Java Time, JT, -7.30", -7, -30},
    {"Middle European Daylight Time,MED,-2.0", -2, 0},
    {"Middle European Time,MET,-1.0", -1, 0},
    {"Moluccas Time, MT, -8.30", -8, -30},
    {"Mountain Daylight Time,MDT,6.0", 6, 0},
    {"Mountain Standard Time,MST,7.0", 7, 0},
    {"Mountain War Time,MWT,6.0", 6, 0},
    {"New Zealand Std Summer Time,NZST,-13.0", -13, 0},
    {"New Zealand Std Time,NZT,-12.0", -12, 0},
    {"New Zealand Summer Time,NZS,-12.30", -12, -30},
    {"New Zealand Time,NZ,-11.30", -11, -30},
    {"Newfoundland Standard Time,NST,3.30", 3, 30},
    {"Nome Time, NT, 11#", 11, 0},
    {"North Sumatra Time,NST,-6.30", -6, -30},
    {"Pacific Daylight Time,PDT,7.0", 7, 0},
    {"Pacific Standard Time,PST,8.0", 8, 0},
    {"Pacific War Time,PWT,7.0", 7, 0},
    {"South Australia Daylight Time,SAD,-10.30", -10, -30},
    {"South Australia Daylight Time,SDT,-10.30", -10, -30},
    {"South Australia Standard Time,SAST,-9.30", -9, -30},
    {"South Australia Standard Time,SAT,-9.30", -9, -30},
    {"South Sumatra Time,SST,-7.0", -7, 0},
    {"Universal Time, UT, 0#", 0, 0},
    {"USSR Zone 10,UZ10,-11.0", -11, 0},
    {"USSR Zone 3,USZ3,-4.0", -4, 0},
    {"USSR Zone 4,USZ4,-5.0", -5, 0},
    {"USSR Zone 5,USZ5,-6.0", -6, 0},
    {"USSR Zone 6,USZ6,-7.0", -7, 0},
    {"West Africa Time,WAT,1.0", 1, 0},
    {"Yukon Daylight Time,YDT,8.0", 8, 0},
    {"Yukon Standard Time,YST,9.0", 9, 0},
    {"Yukon War Time,YWT,8.0", 8, 0},
};

ReferenceTables MakeTables() {
    ReferenceTables tables;
    LoadReferenceTables(tables);
    return tables;
}

} // namespace

void LoadReferenceTables(ReferenceTables& tables) {
    for (int row = 0; row < kTimeZoneCount; ++row) {
        tables.TimeZoneList[row] = kZoneRows[row].text;
        tables.TimeZoneHours[row] = kZoneRows[row].hours;
        tables.TimeZoneMinutes[row] = kZoneRows[row].minutes;
    }
}

const ReferenceTables& TimeZones() {
    static const ReferenceTables tables = MakeTables();
    return tables;
}

} // namespace rashi
