#include "drawing/glyph_only_font.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <mutex>
#include <vector>

namespace rashi {
namespace {

struct Table {
    QByteArray tag;
    QByteArray data;
};

void Put16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToBigEndian(value, bytes);
    out.append(bytes, 2);
}

void Put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

quint32 TagOf(const QByteArray& tag)
{
    return qFromBigEndian<quint32>(tag.constData());
}

quint32 Checksum(QByteArray data)
{
    data.append(QByteArray((4 - data.size() % 4) % 4, '\0'));
    quint32 sum = 0;
    for (qsizetype at = 0; at < data.size(); at += 4)
        sum += qFromBigEndian<quint32>(data.constData() + at);
    return sum;
}

// A name table of the family, its style, full name and PostScript name, in
// the Windows platform's UTF-16.
QByteArray NameTable(const QString& family, const QString& style)
{
    QString postscript = family;
    postscript.remove(QLatin1Char(' '));
    const std::array<std::pair<quint16, QString>, 4> names = {
        {{1, family}, {2, style}, {4, family}, {6, postscript}}};
    QByteArray strings;
    QByteArray table;
    Put16(table, 0);
    Put16(table, quint16(names.size()));
    Put16(table, quint16(6 + 12 * names.size()));
    for (const auto& [id, text] : names) {
        QByteArray utf16;
        for (const QChar c : text)
            Put16(utf16, c.unicode());
        Put16(table, 3);      // Windows
        Put16(table, 1);      // Unicode BMP
        Put16(table, 0x0409); // English
        Put16(table, id);
        Put16(table, quint16(utf16.size()));
        Put16(table, quint16(strings.size()));
        strings += utf16;
    }
    return table + strings;
}

// The sfnt file of the tables, in tag order, each on a four-byte boundary.
QByteArray SfntOf(std::vector<Table> tables)
{
    std::sort(tables.begin(), tables.end(),
              [](const Table& a, const Table& b) { return TagOf(a.tag) < TagOf(b.tag); });
    const auto count = quint16(tables.size());
    quint16 power = 1;
    quint16 log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    QByteArray file;
    Put32(file, 0x00010000);
    Put16(file, count);
    Put16(file, quint16(power * 16));
    Put16(file, log2);
    Put16(file, quint16(count * 16 - power * 16));
    quint32 offset = 12 + 16 * quint32(count);
    for (const Table& table : tables) {
        file += table.tag;
        Put32(file, Checksum(table.data));
        Put32(file, offset);
        Put32(file, quint32(table.data.size()));
        offset += quint32((table.data.size() + 3) / 4 * 4);
    }
    for (const Table& table : tables) {
        file += table.data;
        file.append(QByteArray((4 - table.data.size() % 4) % 4, '\0'));
    }
    return file;
}

} // namespace

QByteArray GlyphOnlyFontData(const QRawFont& font, const QString& family)
{
    std::vector<Table> tables;
    for (const char* tag : {"head", "hhea", "hmtx", "maxp", "loca", "glyf"}) {
        tables.push_back({QByteArray(tag), font.fontTable(tag)});
        if (tables.back().data.isEmpty())
            return {};
    }
    // The embedding rights and weight, when the font has them.
    const QByteArray os2 = font.fontTable("OS/2");
    if (!os2.isEmpty())
        tables.push_back({QByteArray("OS/2"), os2});
    tables.push_back({QByteArray("name"), NameTable(family, font.styleName())});
    return SfntOf(std::move(tables));
}

QRawFont GlyphOnlyTwin(const QRawFont& font)
{
    static std::mutex lock;
    static QHash<QString, QString> twins; // the font's family and style: its twin's family
    const QString key = font.familyName() + QLatin1Char('\n') + font.styleName();
    QString family;
    {
        const std::lock_guard<std::mutex> held(lock);
        const auto known = twins.constFind(key);
        if (known != twins.constEnd()) {
            family = *known;
        } else {
            const QString name = QStringLiteral("Glyphs of %1 %2 %3").arg(font.familyName(), font.styleName()).arg(twins.size());
            const int id = QFontDatabase::addApplicationFontFromData(GlyphOnlyFontData(font, name));
            if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(name))
                family = name;
            twins.insert(key, family);
        }
    }
    if (family.isEmpty())
        return {};
    QFont twin(family);
    twin.setWeight(font.weight() > 0 ? QFont::Weight(font.weight()) : QFont::Normal);
    twin.setStyle(font.style());
    twin.setPixelSize(std::max(1, qRound(font.pixelSize())));
    QRawFont raw = QRawFont::fromFont(twin);
    if (!raw.isValid() || raw.familyName() != family)
        return {};
    raw.setPixelSize(font.pixelSize());
    return raw;
}

} // namespace rashi
