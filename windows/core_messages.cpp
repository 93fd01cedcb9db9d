#include "windows/core_messages.h"

#include <QCoreApplication>

namespace rashi {
namespace {

// The messages the core gives, for the translators' catalogue: each must be
// written here as the core writes it (core/entries/validation.cpp,
// core/entries/key_filters.h, core/chart_files/chart_file.h,
// places/own_places.cpp).
[[maybe_unused]] constexpr const char* kCoreMessages[] = {
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please enter only letters"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please enter only numbers"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Your Name"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Degree of Latitude"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Minutes of Latitude"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Degree of Longitude"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Minute of Longitude"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Your City name"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Your State name"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Your Country name"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Select Direction For The Latitude"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Select Direction For The Longitude"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Correct Degree of Latitude"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Correct Minutes of Latitude"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Correct Degree of Longitude"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Correct Minute of Longitude"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter City"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter State"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Country"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Correct Date Or Month!"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter Correct Date Or Month !"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Check The File."),
    // places/own_places.cpp: a place the user's places file may not hold.
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter The City"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "Please Enter The Country"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "The latitude must lie between 90 degrees south and 90 degrees north"),
    QT_TRANSLATE_NOOP("rashi::CoreMessages", "The longitude must lie between 180 degrees west and 180 degrees east"),
};

} // namespace

QString CoreMessage(std::string_view english)
{
    const std::string text(english);
    return QCoreApplication::translate("rashi::CoreMessages", text.c_str());
}

} // namespace rashi
