#include "places/kept_own_places.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace rashi::places {

KeptOwnPlaces::KeptOwnPlaces(QString path) : own_(std::move(path), 0) {}

KeptOwnPlaces::Stamp KeptOwnPlaces::Look() const {
    Stamp stamp;
    const QFileInfo info(own_.path());
    stamp.exists = info.exists();
    if (!stamp.exists) return stamp;
    stamp.size = info.size();
    stamp.modified = info.lastModified().toMSecsSinceEpoch();
    // Bytes 24 to 27 count the changes committed, even two in one millisecond.
    QFile file(own_.path());
    if (info.isFile() && file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) && file.seek(24)) stamp.counter = file.read(4);
    return stamp;
}

const std::vector<Place>& KeptOwnPlaces::Current() {
    const Stamp now = Look();
    if (read_ && *read_ == now) return places_;
    QString error;
    bool busy = false;
    std::vector<Place> places = own_.All(&error, &busy);
    ++reads_;
    if (busy) {
        read_.reset(); // read again at the next ask
        return places_;
    }
    read_ = now;
    places_ = std::move(places);
    error_ = error;
    return places_;
}

} // namespace rashi::places
