#include "places/atlas.h"

#include "atlas_fixture.h"
#include "qt_printing.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>

#include <sys/stat.h>

namespace rashi::places {
namespace {

const char kSmallAtlas[] =
    "rashi-atlas\t1\n"
    "inputs\thand-made\n"
    "counts\t1\t1\t1\t2\n"
    "C\tIN\tIndia\n"
    "S\t0\t16\tMaharashtra\n"
    "Z\tAsia/Kolkata\n"
    "P\tPune\t0\t0\t185196\t738553\t0\t3124458\tpune|poona\n"
    "P\tMumbai\t0\t0\t190728\t728826\t0\t12691836\tmumbai|bombay\n"
    "end\n";

QByteArray Pack(const QByteArray& text) {
    return QByteArray("RDATLAS1") + qCompress(text);
}

// qUncompress reports bad data on the message log; these tests make plenty.
class QuietLog {
public:
    QuietLog() : m_previous(qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {})) {}
    ~QuietLog() { qInstallMessageHandler(m_previous); }

private:
    QtMessageHandler m_previous;
};

// Nothing that is not a regular file of an atlas's size is read: a pipe
// would hang the loader, /dev/zero and a huge sparse file fill the memory.
TEST(AtlasFile, OnlyARegularFileOfAnAtlasSizeIsRead) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe.atlas"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString sparse = dir.filePath(QStringLiteral("huge.atlas"));
    {
        QFile huge(sparse);
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.write(Pack(kSmallAtlas)) > 0);
        ASSERT_TRUE(huge.resize(qint64(3) << 30)); // 3 GB, and almost no disk
    }
    const QString zero = dir.filePath(QStringLiteral("zero.atlas"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    const QString good = dir.filePath(QStringLiteral("good.atlas"));
    {
        QFile file(good);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.write(Pack(kSmallAtlas)) > 0);
    }
    struct Case {
        QString path;
        QString why; // after "The atlas file PATH cannot be read: "
    };
    const Case cases[] = {
        {fifo, QStringLiteral("it is not a regular file.")},
        {zero, QStringLiteral("it is not a regular file.")},
        {QStringLiteral("/dev/null"), QStringLiteral("it is not a regular file.")},
        {dir.path(), QStringLiteral("it is a folder.")},
        {sparse, QStringLiteral("at 3072 MB it is far larger than an atlas can be.")},
        {dir.filePath(QStringLiteral("none.atlas")), QStringLiteral("No such file or directory.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        QString error;
        EXPECT_FALSE(Atlas::LoadFile(c.path, &error));
        EXPECT_EQ(error, QStringLiteral("The atlas file %1 cannot be read: %2").arg(c.path, c.why));
    }
    QString error;
    EXPECT_TRUE(Atlas::LoadFile(good, &error)) << error.toStdString();
}

TEST(AtlasFile, ASmallHandMadeAtlasLoads) {
    QString error;
    const std::optional<Atlas> atlas = Atlas::FromBytes(Pack(kSmallAtlas), &error);
    ASSERT_TRUE(atlas.has_value()) << error.toStdString();
    EXPECT_EQ(atlas->PlaceCount(), 2);
    EXPECT_EQ(atlas->Find(u"Poona")->Label(), QStringLiteral("Pune, Maharashtra, India"));
    EXPECT_EQ(atlas->Find(u"bom")->name, QStringLiteral("Mumbai"));
    EXPECT_EQ(atlas->Inputs(), QStringLiteral("hand-made"));
}

TEST(AtlasFile, DamagedContentIsRefusedWithItsReason) {
    struct Case {
        const char* what;
        const char* from;
        const char* to;
        const char* message;
    };
    const Case cases[] = {
        {"other format", "rashi-atlas\t1", "rashi-atlas\t2", "format 2"},
        {"no name", "rashi-atlas\t1", "atlas\t1", "does not start with its name"},
        {"latitude past the pole", "185196", "985196", "a place is malformed"},
        {"country out of range", "Pune\t0\t0", "Pune\t1\t0", "a place is malformed"},
        {"state out of range", "Pune\t0\t0", "Pune\t0\t1", "a place is malformed"},
        {"zone out of range", "738553\t0", "738553\t7", "a place is malformed"},
        {"negative population", "3124458", "-3124458", "a place is malformed"},
        {"key with capitals", "pune|poona", "pune|Poona", "a place is malformed"},
        {"empty key", "pune|poona", "pune||poona", "a place is malformed"},
        {"field missing", "\t3124458\t", "\t", "a place is malformed"},
        {"more places counted", "\t1\t2\n", "\t1\t3\n", "a place is malformed"},
        {"fewer places counted", "\t1\t2\n", "\t1\t1\n", "its last line is missing"},
        {"no end", "end\n", "", "its last line is missing"},
        {"text after the end", "end\n", "end\nP\n", "text after its last line"},
        {"last line cut", "end\n", "end", "its last line is missing"},
        {"count not a number", "counts\t1", "counts\tx", "a count is not a number"},
        {"state of no country", "S\t0\t16", "S\t5\t16", "a state is malformed"},
        {"country without a name", "IN\tIndia", "IN\t", "a country is malformed"},
        // A comma in a name would hide the place from its own label.
        {"comma in a place's name", "Pune\t0", "Pu,ne\t0", "a place is malformed"},
        {"comma in a state's name", "Maharashtra", "Maha,rashtra", "a state is malformed"},
        {"comma in a country's name", "IN\tIndia", "IN\tIndia, Republic of", "a country is malformed"},
        {"state without a name", "\tMaharashtra", "\t", "a state is malformed"},
        {"zone that is a sentence", "Asia/Kolkata", "Asia Kolkata time", "a zone is malformed"},
        {"zone that climbs out", "Asia/Kolkata", "../../etc/passwd", "a zone is malformed"},
        {"zone with a control character", "Asia/Kolkata", "Asia/Kolkata\x1b", "a zone is malformed"},
        {"empty zone", "Asia/Kolkata", "", "a zone is malformed"},
        {"zone of this machine", "Asia/Kolkata", "localtime", "a zone is malformed"},
        {"bare offset", "Asia/Kolkata", "Etc/GMT-5", "a zone is malformed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray text(kSmallAtlas);
        ASSERT_TRUE(text.contains(c.from));
        text.replace(text.indexOf(c.from), qsizetype(qstrlen(c.from)), c.to);
        QString error;
        EXPECT_FALSE(Atlas::FromBytes(Pack(text), &error).has_value());
        EXPECT_TRUE(error.contains(QLatin1String(c.message))) << error.toStdString();
    }
}

TEST(AtlasFile, DamagedFramesAreRefusedWithItsReason) {
    QuietLog quiet;
    const QByteArray good = AtlasFileBytes();
    ASSERT_GT(good.size(), 1000);
    QByteArray flipped = good;
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x5a);
    QByteArray hugeSize = good;
    hugeSize[8] = char(0x7f);
    QByteArray zeroSize = good;
    zeroSize[8] = zeroSize[9] = zeroSize[10] = zeroSize[11] = 0;
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* message;
    };
    const Case cases[] = {
        {"empty", QByteArray(), "not an atlas"},
        {"another file", QByteArray("PK\x03\x04 a zip file of some kind"), "not an atlas"},
        {"magic only", good.left(8), "cut short"},
        {"header only", good.left(14), "cut short"},
        {"cut in half", good.left(good.size() / 2), "do not unpack"},
        {"last byte missing", good.left(good.size() - 1), "do not unpack"},
        {"a byte changed", flipped, "do not unpack"},
        {"impossible size", hugeSize, "stated size is impossible"},
        {"zero size", zeroSize, "stated size is impossible"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QString error;
        EXPECT_FALSE(Atlas::FromBytes(c.bytes, &error).has_value());
        EXPECT_TRUE(error.contains(QLatin1String(c.message))) << error.toStdString();
    }
}

TEST(AtlasFile, EveryCutAndEveryChangedByteOfASmallFileIsSafe) {
    QuietLog quiet;
    const QByteArray good = Pack(kSmallAtlas);
    for (qsizetype length = 0; length < good.size(); ++length) {
        QString error;
        EXPECT_FALSE(Atlas::FromBytes(good.left(length), &error).has_value()) << length;
        EXPECT_FALSE(error.isEmpty()) << length;
    }
    for (qsizetype at = 0; at < good.size(); ++at) {
        for (char mask : {char(0x01), char(0x80), char(0xff)}) {
            QByteArray bad = good;
            bad[at] = char(bad[at] ^ mask);
            QString error;
            const std::optional<Atlas> atlas = Atlas::FromBytes(bad, &error);
            // A change in the stated size's unused high bits may still unpack;
            // whatever loads must still search.
            if (atlas) atlas->Search(u"pu", 10);
            else EXPECT_FALSE(error.isEmpty()) << at;
        }
    }
    // Every change to the unpacked text: refused with a reason or loaded whole.
    const QByteArray text(kSmallAtlas);
    for (qsizetype at = 0; at < text.size(); ++at) {
        for (char replacement : {'\t', '\n', '|', '0', '-', 'A', char(0xc3)}) {
            QByteArray bad = text;
            bad[at] = replacement;
            QString error;
            const std::optional<Atlas> atlas = Atlas::FromBytes(Pack(bad), &error);
            if (atlas) atlas->Search(u"pu, ma", 10);
            else EXPECT_FALSE(error.isEmpty()) << at;
        }
    }
}

// The small atlas as a file and the database made from it, side by side as
// the build puts them, with SQL run on the database afterwards.
struct AtlasPair {
    QString file;
    QString database;
};

AtlasPair MakePair(const QTemporaryDir& dir, const char* sql) {
    AtlasPair pair{dir.filePath(QStringLiteral("places.atlas")), dir.filePath(QStringLiteral("places.sqlite"))};
    QFile file(pair.file);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Pack(kSmallAtlas)) > 0);
    file.close();
    QString error;
    const std::optional<Atlas> atlas = Atlas::LoadFile(pair.file, &error);
    EXPECT_TRUE(atlas && atlas->SaveDatabase(pair.database, &error)) << error.toStdString();
    sqlite3* db = nullptr;
    EXPECT_EQ(sqlite3_open(QFile::encodeName(pair.database).constData(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
    return pair;
}

// A damaged database never stops the program: opening it or searching it
// says once what was wrong, and the atlas file beside it is read instead.
TEST(AtlasFile, ADamagedDatabaseGivesWayToTheAtlasFile) {
    // The regions table made again without its NOT NULL rules (as a crafted
    // file or a few changed bytes give it), so that a key may be NULL.
    const char* kRegionsWithoutRules =
        "CREATE TABLE r AS SELECT * FROM regions; DROP TABLE regions; "
        "CREATE TABLE regions(id INTEGER PRIMARY KEY, kind, country, code, name, key, code_key); "
        "INSERT INTO regions SELECT * FROM r; DROP TABLE r; ";
    struct Case {
        const char* what;
        std::string sql;
        bool opens; // the damage shows only when searched
    };
    const Case cases[] = {
        {"a state's key NULL", std::string(kRegionsWithoutRules) + "UPDATE regions SET key = NULL WHERE kind = 'S'", false},
        {"a country's code NULL", std::string(kRegionsWithoutRules) + "UPDATE regions SET code_key = NULL WHERE kind = 'C'",
         false},
        {"a place's row gone", "DELETE FROM places WHERE name = 'Pune'", true},
        {"a place's name emptied", "UPDATE places SET name = '' WHERE name = 'Pune'", true},
        {"a place's country gone", "UPDATE places SET country = 9 WHERE name = 'Pune'", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const AtlasPair pair = MakePair(dir, c.sql.c_str());
        QString error;
        const std::optional<Atlas> database = Atlas::LoadDatabase(pair.database, &error);
        EXPECT_EQ(database.has_value(), c.opens) << error.toStdString();
        if (database) {
            EXPECT_TRUE(database->Search(u"Pune", 10).empty()); // no blank place
            EXPECT_TRUE(database->TakeNotice().contains(u"damaged")) << "nothing said";
        } else {
            EXPECT_TRUE(error.startsWith(u"The atlas database is damaged")) << error.toStdString();
        }

        qputenv("RASHI_ATLAS", QFile::encodeName(pair.file));
        std::optional<Atlas> atlas = Atlas::LoadDefault(&error);
        qunsetenv("RASHI_ATLAS");
        ASSERT_TRUE(atlas.has_value()) << error.toStdString();
        const std::optional<Place> pune = atlas->Find(u"Poona");
        ASSERT_TRUE(pune.has_value());
        EXPECT_EQ(pune->Label(), u"Pune, Maharashtra, India"_qs);
        EXPECT_EQ(atlas->Nearest(18.5, 73.8)->name, u"Pune"_qs);
        const QString notice = atlas->TakeNotice();
        EXPECT_TRUE(notice.contains(u"damaged") && notice.contains(pair.file)) << notice.toStdString();
        EXPECT_EQ(atlas->TakeNotice(), QString()); // said once
        EXPECT_EQ(atlas->Find(u"Mumbai")->name, u"Mumbai"_qs);
    }
}

} // namespace
} // namespace rashi::places
