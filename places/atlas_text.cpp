#include "places/atlas_text.h"

#include "core/zones/zone_ids.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace rashi::places {
namespace {

constexpr std::string_view kMagic = "RDATLAS1";
constexpr int kFormat = 1;
// The payload is about 14 MB; anything claiming far more is not ours.
constexpr std::uint32_t kMaxPayload = 64u << 20;

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

// A place is named "Name, State, Country" and found again by that label, so
// no part of it may be empty or hold a comma of its own.
bool IsLabelPart(std::string_view text) {
    return !text.empty() && text.find(',') == std::string_view::npos;
}

// Reads the unpacked text line by line; every failure names its line.
class Parser {
public:
    Parser(std::string_view text, AtlasSource& data) : m_data(data), m_text(text) {}

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
            m_data.countries.push_back({FromUtf8(f[1]), FromUtf8(f[2]), -1});
        }
        for (int i = 0; i < counts[1]; ++i) {
            AtlasSource::Region state;
            if (!Next(f) || f.size() != 4 || f[0] != "S" || !ParseInt(f[1], state.country, 0, counts[0] - 1) ||
                !IsLabelPart(f[3]))
                return Fail(error, "a state is malformed");
            state.code = FromUtf8(f[2]);
            state.name = FromUtf8(f[3]);
            m_data.states.push_back(std::move(state));
        }
        for (int i = 0; i < counts[2]; ++i) {
            // Only a zone id that names a place: the zone is looked up by it and
            // written into charts.
            if (!Next(f) || f.size() != 2 || f[0] != "Z" || !NamesAPlace(f[1])) return Fail(error, "a zone is malformed");
            m_data.zones.push_back(FromUtf8(f[1]));
        }
        m_data.places.reserve(static_cast<std::size_t>(counts[3]));
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

    bool ReadPlace(const std::vector<std::string_view>& f) {
        AtlasSource::Record r;
        if (f.size() != 9 || f[0] != "P" || !IsLabelPart(f[1]) || f[8].empty()) return false;
        if (!ParseInt(f[2], r.country, 0, static_cast<int>(m_data.countries.size()) - 1)) return false;
        if (!ParseInt(f[3], r.state, -1, static_cast<std::int32_t>(m_data.states.size()) - 1)) return false;
        if (!ParseInt(f[4], r.latitude, -900000, 900000)) return false;
        if (!ParseInt(f[5], r.longitude, -1800000, 1800000)) return false;
        if (!ParseInt(f[6], r.zone, 0, static_cast<int>(m_data.zones.size()) - 1)) return false;
        if (!ParseInt(f[7], r.population, 0u, 4000000000u)) return false;
        r.name = std::string(f[1]);
        std::string_view keys = f[8];
        while (true) {
            const std::size_t bar = keys.find('|');
            const std::string_view key = keys.substr(0, bar);
            if (!IsKeyText(key)) return false;
            r.keys.emplace_back(key);
            if (bar == std::string_view::npos) break;
            keys.remove_prefix(bar + 1);
        }
        m_data.places.push_back(std::move(r));
        return true;
    }

    bool Fail(QString* error, const char* what) const {
        if (error) *error = QStringLiteral("The atlas file is damaged: %1 (line %2).").arg(QLatin1String(what)).arg(m_line);
        return false;
    }

    AtlasSource& m_data;
    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 0;
};

bool SetError(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

} // namespace

std::optional<AtlasSource> ReadAtlasText(QByteArrayView bytes, QString* error) {
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
    AtlasSource source;
    source.fileBytes = bytes.size();
    Parser parser(std::string_view(text.constData(), static_cast<std::size_t>(text.size())), source);
    if (!parser.Run(error)) return std::nullopt;
    return source;
}

} // namespace rashi::places
