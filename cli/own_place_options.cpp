#include "cli/own_place_options.h"

#include "core/chart_files/visible_text.h"
#include "core/entries/key_filters.h"
#include "places/own_places.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <string_view>

namespace rashi {
namespace {

// "18:31N" as --lat takes it, in signed decimal degrees; the window's
// messages for degrees and minutes beyond their range.
double Coordinate(const std::optional<std::string>& given, const char* option, char positive, char negative,
                  int maxDegrees, const char* degreeMessage, const char* minuteMessage) {
    const std::string form = std::string(option) + " takes DEG:MIN followed by " + positive + " or " + negative;
    if (!given) throw InputError(std::string(option) + " is needed with --add-place");
    const std::string_view text = *given;
    const auto colon = text.find(':');
    if (colon == std::string_view::npos || text.size() < colon + 3) throw InputError(form);
    const char direction = text.back();
    if (direction != positive && direction != negative) throw InputError(form);
    int degrees = 0, minutes = 0;
    for (const auto& [part, value] : {std::pair{text.substr(0, colon), &degrees},
                                      std::pair{text.substr(colon + 1, text.size() - colon - 2), &minutes}}) {
        if (part.empty() || part.size() > 3 || !kDigitFilter.acceptsText(part))
            throw InputError(std::string(kDigitFilter.message));
        std::from_chars(part.data(), part.data() + part.size(), *value);
    }
    if (degrees > maxDegrees) throw InputError(degreeMessage);
    if (minutes > 59 || (degrees == maxDegrees && minutes > 0)) throw InputError(minuteMessage);
    const double value = degrees + minutes / 60.0;
    return direction == positive ? value : -value;
}

// "Name, State, Country" or "Name, Country", each part as the letter boxes take it.
places::Place Label(const std::string& text, const char* option) {
    const QStringList parts = QString::fromStdString(text).split(QLatin1Char(','));
    if (parts.size() < 2 || parts.size() > 3)
        throw InputError(std::string(option) + " takes \"Name, State, Country\" or \"Name, Country\"");
    places::Place place;
    place.name = parts.front().simplified();
    place.state = parts.size() == 3 ? parts[1].simplified() : QString();
    place.country = parts.back().simplified();
    place.own = true;
    return place;
}

} // namespace

std::string RunOwnPlaceOption(const ToolOptions& o, const std::vector<std::string>& args) {
    const bool adding = o.addPlace.has_value();
    if (adding && o.removePlace) throw InputError("Give --add-place or --remove-place, not both");
    // Every option but those used is refused alike, whatever its value (a
    // default given again too): by the options named, not by their values.
    const std::vector<std::string_view> used =
        adding ? std::vector<std::string_view>{"--add-place", "--lat", "--lon", "--zone-id"}
               : std::vector<std::string_view>{"--remove-place"};
    bool others = !o.files.empty();
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!arg.starts_with("-")) continue;
        const std::string_view name = arg.substr(0, arg.find('='));
        if (std::find(used.begin(), used.end(), name) == used.end()) others = true;
        else if (name.size() == arg.size()) ++i; // its value follows
    }
    const char* option = adding ? "--add-place" : "--remove-place";
    if (others)
        throw InputError(std::string(option) + (adding ? " takes only --lat, --lon and --zone-id" : " takes no other option"));
    places::OwnPlaces own;
    QString error;
    if (!adding) {
        const places::Place place = Label(*o.removePlace, option);
        if (!own.Remove(place.Label(), &error)) throw InputError(error.toStdString());
        return "Removed " + place.Label().toStdString() + " from " + own.path().toStdString() + "\n";
    }
    places::Place place = Label(*o.addPlace, option);
    place.latitude = Coordinate(o.lat, "--lat", 'N', 'S', 90, "Please Enter Correct Degree of Latitude",
                                "Please Enter Correct Minutes of Latitude");
    place.longitude = Coordinate(o.lon, "--lon", 'E', 'W', 180, "Please Enter Correct Degree of Longitude",
                                 "Please Enter Correct Minute of Longitude");
    if (!o.zoneId) throw InputError("--zone-id is needed with --add-place");
    place.zoneId = QString::fromStdString(*o.zoneId);
    if (!own.Add(place, &error)) throw InputError(error.toStdString());
    return "Added " + place.Label().toStdString() + " to " + own.path().toStdString() + "\n";
}

} // namespace rashi
