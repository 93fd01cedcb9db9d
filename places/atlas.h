#pragma once
// The offline city atlas: every place of 500 people or more, searched by
// name or alternate name. Loading takes a moment (see bench/places_bench),
// so the window loads it on a worker thread; an Atlas is immutable once
// made, and its copies share one set of data, so it can be handed between
// threads freely.

#include "places/place.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

namespace rashi::places {

class Atlas {
public:
    // Reads an atlas file's bytes. A damaged, truncated or foreign file gives
    // nothing and, in *error, one sentence saying what was wrong.
    static std::optional<Atlas> FromBytes(QByteArrayView bytes, QString* error = nullptr);

    // Reads the file at DefaultPath(). Safe to call on a worker thread.
    static std::optional<Atlas> LoadDefault(QString* error = nullptr);
    static std::optional<Atlas> LoadFile(const QString& path, QString* error = nullptr);

    // $RASHI_ATLAS when set; otherwise share/rashi-drishti/places.atlas beside
    // the program's bin/ folder, which is where the build tree and
    // `cmake --install` both put it.
    static QString DefaultPath();

    // At most maxResults places for what the user typed: "Name", "Name, State",
    // "Name, Country" or "Name, State, Country". Case and accents do not
    // matter; the name may be an alternate one ("Bombay") and may be the start
    // of one ("San F"). Whole-name matches come first, then the rest, each
    // most populous first. The parts after the name must each begin the
    // place's state or country, or be its code ("IL", "in").
    std::vector<Place> Search(QStringView text, int maxResults = 10) const;

    // The places to offer under the window's City box. That box takes letters
    // and spaces only, so a state or country may follow the name after a
    // space ("Springfield Illinois", "Springfield IL", "Paris France"): when
    // the words after a space wholly name a state or country, or are its
    // code, its places come first, then those of the whole text. A filled
    // State or Country box narrows the offer as a part after a comma does,
    // unless nothing fits it (a box left from an earlier place).
    std::vector<Place> Offer(QStringView city, QStringView state, QStringView country, int maxResults = 10) const;

    // The first place Search gives: "Pune" alone is the most populous Pune.
    std::optional<Place> Find(QStringView text) const;

    int PlaceCount() const;
    int NameCount() const; // search keys: main and alternate names
    // The input versions recorded in the file.
    QString Inputs() const;

    struct Data;

private:
    explicit Atlas(std::shared_ptr<const Data> data);
    Place MakePlace(int index) const;

    std::shared_ptr<const Data> m_data;
};

} // namespace rashi::places
