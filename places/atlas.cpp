#include "places/atlas.h"

#include "core/zones/zone_ids.h"
#include "places/text_fold.h"

#include "core/chart_files/visible_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <charconv>
#include <cstdint>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef RASHI_ATLAS_RELATIVE_PATH
#define RASHI_ATLAS_RELATIVE_PATH "../share/rashi-drishti/places.atlas"
#endif

namespace rashi::places {

struct Atlas::Data {
    struct Region {
        QString code;
        QString name;
        std::string key;     // SearchKey(name)
        std::string codeKey; // the code in lower case
        int country = -1;    // states only
    };
    struct Record {
        std::uint32_t nameOffset = 0; // into strings, UTF-8
        std::uint32_t nameLength = 0;
        std::int32_t latitude = 0;    // 1e-4 degree
        std::int32_t longitude = 0;
        std::uint32_t population = 0;
        std::int32_t state = -1;
        std::uint16_t country = 0;
        std::uint16_t zone = 0;
    };
    struct Key {
        std::uint32_t offset = 0; // into strings, ASCII a-z and space
        std::uint32_t length = 0;
        std::uint32_t place = 0;
    };

    // Names and keys back to back: the unpacked file's text less its numbers
    // and tables, about half its size.
    std::string strings;
    QString inputs;
    std::vector<Region> countries;
    std::vector<Region> states;
    std::vector<QString> zones;
    std::vector<Record> places;
    std::vector<Key> keys; // sorted by their text

    std::string_view KeyText(const Key& key) const {
        return {strings.data() + key.offset, key.length};
    }
};

namespace {

constexpr std::string_view kMagic = "RDATLAS1";
constexpr int kFormat = 1;
// The payload is about 14 MB; anything claiming far more is not ours.
constexpr std::uint32_t kMaxPayload = 64u << 20;
// The file is the payload compressed: never larger than it.
constexpr qint64 kMaxFileBytes = kMaxPayload;

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

template <typename Int>
bool ParseInt(std::string_view text, Int& value, Int low, Int high) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

bool IsKeyText(std::string_view key) {
    if (key.empty() || key.front() == ' ' || key.back() == ' ') return false;
    return std::all_of(key.begin(), key.end(), [](char c) { return (c >= 'a' && c <= 'z') || c == ' '; });
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string LowerAscii(QStringView text) {
    std::string out = text.toString().toLower().toStdString();
    return out;
}

// A place is named "Name, State, Country" and found again by that label, so
// no part of it may be empty or hold a comma of its own.
bool IsLabelPart(std::string_view text) {
    return !text.empty() && text.find(',') == std::string_view::npos;
}

// Reads the unpacked text line by line; every failure names its line.
class Parser {
public:
    Parser(std::string_view text, Atlas::Data& data) : m_data(data), m_text(text) {}

    bool Run(QString* error) {
        std::vector<std::string_view> f;
        int counts[4] = {};
        if (!Next(f) || f.size() != 2 || f[0] != "rashi-atlas") return Fail(error, "it does not start with its name");
        int format = 0;
        if (!ParseInt(f[1], format, 1, 1000000)) return Fail(error, "its format number is not a number");
        if (format != kFormat) {
            if (error) *error = QStringLiteral("The atlas file has format %1; this program reads format %2.").arg(format).arg(kFormat);
            return false;
        }
        if (!Next(f) || f.size() != 2 || f[0] != "inputs") return Fail(error, "the line naming its inputs is missing");
        m_data.inputs = FromUtf8(f[1]);
        if (!Next(f) || f.size() != 5 || f[0] != "counts") return Fail(error, "the line of counts is missing");
        for (int i = 0; i < 4; ++i) {
            if (!ParseInt(f[i + 1], counts[i], 0, 10000000)) return Fail(error, "a count is not a number");
        }
        if (counts[0] > 65535 || counts[2] > 65535) return Fail(error, "it counts too many countries or zones");

        for (int i = 0; i < counts[0]; ++i) {
            if (!Next(f) || f.size() != 3 || f[0] != "C" || f[1].empty() || !IsLabelPart(f[2]))
                return Fail(error, "a country is malformed");
            Atlas::Data::Region country;
            country.code = FromUtf8(f[1]);
            country.name = FromUtf8(f[2]);
            country.key = SearchKey(country.name);
            country.codeKey = LowerAscii(country.code);
            m_data.countries.push_back(std::move(country));
        }
        for (int i = 0; i < counts[1]; ++i) {
            Atlas::Data::Region state;
            if (!Next(f) || f.size() != 4 || f[0] != "S" || !ParseInt(f[1], state.country, 0, counts[0] - 1) ||
                !IsLabelPart(f[3]))
                return Fail(error, "a state is malformed");
            state.code = FromUtf8(f[2]);
            state.name = FromUtf8(f[3]);
            state.key = SearchKey(state.name);
            state.codeKey = LowerAscii(state.code);
            m_data.states.push_back(std::move(state));
        }
        for (int i = 0; i < counts[2]; ++i) {
            // Only a zone id that names a place: the zone is looked up by it and
            // written into charts.
            if (!Next(f) || f.size() != 2 || f[0] != "Z" || !NamesAPlace(f[1])) return Fail(error, "a zone is malformed");
            m_data.zones.push_back(FromUtf8(f[1]));
        }
        m_data.strings.reserve(m_text.size() / 2);
        m_data.places.reserve(counts[3]);
        m_data.keys.reserve(static_cast<std::size_t>(counts[3]) * 5 / 2);
        for (int i = 0; i < counts[3]; ++i) {
            if (!Next(f) || !ReadPlace(f)) return Fail(error, "a place is malformed");
        }
        if (!Next(f) || f.size() != 1 || f[0] != "end") return Fail(error, "its last line is missing");
        if (m_pos != m_text.size()) return Fail(error, "there is text after its last line");
        return true;
    }

private:
    bool Next(std::vector<std::string_view>& fields) {
        if (m_pos >= m_text.size()) return false;
        const std::size_t end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos) return false;
        fields = SplitFields(m_text.substr(m_pos, end - m_pos));
        m_pos = end + 1;
        ++m_line;
        return true;
    }

    std::uint32_t Keep(std::string_view field) {
        const auto offset = static_cast<std::uint32_t>(m_data.strings.size());
        m_data.strings.append(field);
        return offset;
    }

    bool ReadPlace(const std::vector<std::string_view>& f) {
        Atlas::Data::Record r;
        int country = 0, zone = 0;
        if (f.size() != 9 || f[0] != "P" || !IsLabelPart(f[1]) || f[8].empty()) return false;
        if (!ParseInt(f[2], country, 0, static_cast<int>(m_data.countries.size()) - 1)) return false;
        if (!ParseInt(f[3], r.state, -1, static_cast<std::int32_t>(m_data.states.size()) - 1)) return false;
        if (!ParseInt(f[4], r.latitude, -900000, 900000)) return false;
        if (!ParseInt(f[5], r.longitude, -1800000, 1800000)) return false;
        if (!ParseInt(f[6], zone, 0, static_cast<int>(m_data.zones.size()) - 1)) return false;
        if (!ParseInt(f[7], r.population, 0u, 4000000000u)) return false;
        r.country = static_cast<std::uint16_t>(country);
        r.zone = static_cast<std::uint16_t>(zone);
        r.nameOffset = Keep(f[1]);
        r.nameLength = static_cast<std::uint32_t>(f[1].size());
        const auto place = static_cast<std::uint32_t>(m_data.places.size());
        std::string_view keys = f[8];
        while (true) {
            const std::size_t bar = keys.find('|');
            const std::string_view key = keys.substr(0, bar);
            if (!IsKeyText(key)) return false;
            m_data.keys.push_back({Keep(key), static_cast<std::uint32_t>(key.size()), place});
            if (bar == std::string_view::npos) break;
            keys.remove_prefix(bar + 1);
        }
        m_data.places.push_back(r);
        return true;
    }

    bool Fail(QString* error, const char* what) const {
        if (error) *error = QStringLiteral("The atlas file is damaged: %1 (line %2).").arg(QLatin1String(what)).arg(m_line);
        return false;
    }

    Atlas::Data& m_data;
    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 0;
};

bool SetError(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

// Whether a part typed after the name ("Maharashtra", "in") fits the place.
bool RegionMatches(const Atlas::Data::Region& region, std::string_view part, std::string_view partLower) {
    return region.key.starts_with(part) || region.codeKey == partLower;
}

// Sorts the keys by their text, then by place. Most keys differ in their
// first eight letters, so those are compared as one number first; that
// halves the load time.
void SortKeys(Atlas::Data& d) {
    struct Sortable {
        std::uint64_t head; // the first eight bytes, big-endian, zero-padded
        std::uint32_t index;
    };
    std::vector<Sortable> order(d.keys.size());
    for (std::size_t i = 0; i < d.keys.size(); ++i) {
        const std::string_view text = d.KeyText(d.keys[i]);
        std::uint64_t head = 0;
        for (std::size_t b = 0; b < 8; ++b) head = (head << 8) | (b < text.size() ? std::uint8_t(text[b]) : 0u);
        order[i] = {head, static_cast<std::uint32_t>(i)};
    }
    std::sort(order.begin(), order.end(), [&d](const Sortable& a, const Sortable& b) {
        if (a.head != b.head) return a.head < b.head;
        const Atlas::Data::Key& x = d.keys[a.index];
        const Atlas::Data::Key& y = d.keys[b.index];
        const std::string_view xt = d.KeyText(x), yt = d.KeyText(y);
        return xt != yt ? xt < yt : x.place < y.place;
    });
    std::vector<Atlas::Data::Key> sorted;
    sorted.reserve(d.keys.size());
    for (const Sortable& s : order) sorted.push_back(d.keys[s.index]);
    d.keys = std::move(sorted);
}

} // namespace

Atlas::Atlas(std::shared_ptr<const Data> data) : m_data(std::move(data)) {}

std::optional<Atlas> Atlas::FromBytes(QByteArrayView bytes, QString* error) {
    const std::string_view magic(bytes.data(), std::min<std::size_t>(bytes.size(), kMagic.size()));
    if (magic != kMagic) {
        SetError(error, QStringLiteral("The atlas file is not an atlas of this program."));
        return std::nullopt;
    }
    if (bytes.size() < static_cast<qsizetype>(kMagic.size()) + 4 + 8) {
        SetError(error, QStringLiteral("The atlas file is cut short."));
        return std::nullopt;
    }
    const auto* size = reinterpret_cast<const unsigned char*>(bytes.data()) + kMagic.size();
    const std::uint32_t declared = (std::uint32_t(size[0]) << 24) | (std::uint32_t(size[1]) << 16) |
                                   (std::uint32_t(size[2]) << 8) | std::uint32_t(size[3]);
    if (declared == 0 || declared > kMaxPayload) {
        SetError(error, QStringLiteral("The atlas file is damaged: its stated size is impossible."));
        return std::nullopt;
    }
    const QByteArray text = qUncompress(reinterpret_cast<const uchar*>(size), bytes.size() - static_cast<qsizetype>(kMagic.size()));
    if (text.size() != static_cast<qsizetype>(declared)) {
        SetError(error, QStringLiteral("The atlas file is damaged or cut short: its data do not unpack."));
        return std::nullopt;
    }
    auto data = std::make_shared<Data>();
    Parser parser(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), *data);
    if (!parser.Run(error)) return std::nullopt;
    data->strings.shrink_to_fit();
    SortKeys(*data);
    return Atlas(std::move(data));
}

std::optional<Atlas> Atlas::LoadFile(const QString& path, QString* error) {
    const QString shown = QString::fromStdString(VisibleText(QDir::toNativeSeparators(path).toStdString()));
    const auto refuse = [&](const QString& why) {
        SetError(error, QStringLiteral("The atlas file %1 cannot be read: %2.").arg(shown, why));
        return std::nullopt;
    };
    // Only a regular file of an atlas's size is read: a pipe would never end,
    // a device never stop, a huge file only fill the memory. Looked at before
    // it is opened (without waiting for a writer), and again once open.
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) return refuse(QString::fromLocal8Bit(std::strerror(errno)));
    const auto notAtlasFile = [&](const struct stat& what) -> std::optional<QString> {
        if (S_ISDIR(what.st_mode)) return QStringLiteral("it is a folder");
        if (!S_ISREG(what.st_mode)) return QStringLiteral("it is not a regular file");
        if (what.st_size > kMaxFileBytes)
            return QStringLiteral("at %1 MB it is far larger than an atlas can be").arg(what.st_size >> 20);
        return std::nullopt;
    };
    if (const auto why = notAtlasFile(info)) return refuse(*why);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return refuse(QString::fromLocal8Bit(std::strerror(errno)));
    QFile file;
    if (::fstat(fd, &info) != 0 || notAtlasFile(info) || !file.open(fd, QIODevice::ReadOnly, QFile::AutoCloseHandle)) {
        const auto why = notAtlasFile(info);
        ::close(fd);
        return refuse(why ? *why : QStringLiteral("it changed while it was opened"));
    }
    // No more than the file's size allows, even should it grow meanwhile.
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) return refuse(file.errorString());
    if (bytes.size() > kMaxFileBytes) return refuse(QStringLiteral("it grew larger than an atlas can be"));
    return FromBytes(bytes, error);
}

std::optional<Atlas> Atlas::LoadDefault(QString* error) {
    return LoadFile(DefaultPath(), error);
}

QString Atlas::DefaultPath() {
    const QString fromEnvironment = qEnvironmentVariable("RASHI_ATLAS");
    if (!fromEnvironment.isEmpty()) return fromEnvironment;
    // The running program's own path from the kernel needs no application
    // object and is safe on any thread; applicationDirPath is the fallback.
    QString programDir = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    if (programDir.isEmpty() && QCoreApplication::instance()) programDir = QCoreApplication::applicationDirPath();
    return QDir::cleanPath(programDir + QLatin1Char('/') + QStringLiteral(RASHI_ATLAS_RELATIVE_PATH));
}

Place Atlas::MakePlace(int index) const {
    const Data& d = *m_data;
    const Data::Record& r = d.places[index];
    Place place;
    place.name = FromUtf8({d.strings.data() + r.nameOffset, r.nameLength});
    if (r.state >= 0) place.state = d.states[r.state].name;
    place.country = d.countries[r.country].name;
    place.countryCode = d.countries[r.country].code;
    place.latitude = r.latitude / 1e4;
    place.longitude = r.longitude / 1e4;
    place.zoneId = d.zones[r.zone];
    place.population = r.population;
    return place;
}

std::vector<Place> Atlas::Search(QStringView text, int maxResults) const {
    const Data& d = *m_data;
    if (maxResults <= 0) return {};
    const QList<QStringView> parts = text.split(QLatin1Char(','));
    const std::string name = SearchKey(parts.front());
    if (name.empty()) return {};
    std::vector<std::pair<std::string, std::string>> narrowing; // folded key, the part in lower case
    for (qsizetype i = 1; i < parts.size(); ++i) {
        std::string key = SearchKey(parts[i]);
        if (!key.empty()) narrowing.emplace_back(std::move(key), LowerAscii(parts[i].trimmed()));
    }

    // Keys hold only a-z and space, so every key starting with the name lies
    // below the name followed by '{'.
    const auto byText = [&d](const Data::Key& k, std::string_view s) { return d.KeyText(k) < s; };
    const auto first = std::lower_bound(d.keys.begin(), d.keys.end(), std::string_view(name), byText);
    const auto last = std::lower_bound(first, d.keys.end(), std::string_view(name + '{'), byText);

    struct Hit {
        bool exact;
        std::uint32_t population;
        std::uint32_t place;
    };
    std::vector<Hit> hits;
    for (auto k = first; k != last; ++k) {
        const Data::Record& r = d.places[k->place];
        const bool fits = std::all_of(narrowing.begin(), narrowing.end(), [&](const auto& part) {
            return (r.state >= 0 && RegionMatches(d.states[r.state], part.first, part.second)) ||
                   RegionMatches(d.countries[r.country], part.first, part.second);
        });
        if (fits) hits.push_back({k->length == name.size(), r.population, k->place});
    }
    const auto better = [](const Hit& a, const Hit& b) {
        if (a.exact != b.exact) return a.exact;
        if (a.population != b.population) return a.population > b.population;
        return a.place < b.place;
    };
    // A place found by several of its names counts once, at its best rank;
    // ranking a few more than asked for is usually enough to fill the list,
    // and when it is not, four times as many.
    std::size_t ranked = std::min(hits.size(), static_cast<std::size_t>(maxResults) * 4 + 16);
    std::vector<Place> results;
    while (true) {
        std::partial_sort(hits.begin(), hits.begin() + static_cast<std::ptrdiff_t>(ranked), hits.end(), better);
        std::vector<std::uint32_t> taken;
        for (std::size_t i = 0; i < ranked && static_cast<int>(taken.size()) < maxResults; ++i) {
            if (std::find(taken.begin(), taken.end(), hits[i].place) == taken.end()) taken.push_back(hits[i].place);
        }
        if (static_cast<int>(taken.size()) == maxResults || ranked == hits.size()) {
            for (std::uint32_t place : taken) results.push_back(MakePlace(static_cast<int>(place)));
            return results;
        }
        ranked = std::min(hits.size(), ranked * 4);
    }
}

std::vector<Place> Atlas::Offer(QStringView city, QStringView state, QStringView country, int maxResults) const {
    const Data& d = *m_data;
    QString boxes;
    for (QStringView box : {state, country})
        if (!SearchKey(box).empty()) boxes += QStringLiteral(", ") + box.trimmed().toString();
    const auto namesRegion = [&d](const QString& words) {
        const std::string key = SearchKey(words);
        const std::string lower = LowerAscii(words);
        const auto whole = [&](const Data::Region& r) { return r.key == key || r.codeKey == lower; };
        return !key.empty() && (std::any_of(d.states.begin(), d.states.end(), whole) ||
                                std::any_of(d.countries.begin(), d.countries.end(), whole));
    };
    const QString typed = city.toString().simplified();
    const QStringList words = typed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList queries;
    for (qsizetype k = words.size() - 1; k >= 1; --k) { // the name, then a state or country
        const QString region = words.mid(k).join(QLatin1Char(' '));
        if (namesRegion(region)) queries << words.mid(0, k).join(QLatin1Char(' ')) + QStringLiteral(", ") + region;
    }
    queries << typed;
    for (const QString& narrowing : {boxes, QString()}) {
        std::vector<Place> offered;
        for (const QString& query : queries)
            for (Place& place : Search(QString(query + narrowing), maxResults))
                if (static_cast<int>(offered.size()) < maxResults &&
                    std::find(offered.begin(), offered.end(), place) == offered.end())
                    offered.push_back(std::move(place));
        if (!offered.empty() || narrowing.isEmpty()) return offered;
    }
    return {};
}

std::optional<Place> Atlas::Find(QStringView text) const {
    std::vector<Place> found = Search(text, 1);
    if (found.empty()) return std::nullopt;
    return found.front();
}

int Atlas::PlaceCount() const {
    return static_cast<int>(m_data->places.size());
}

int Atlas::NameCount() const {
    return static_cast<int>(m_data->keys.size());
}

QString Atlas::Inputs() const {
    return m_data->inputs;
}

} // namespace rashi::places
