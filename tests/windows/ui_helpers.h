#pragma once
// Finding the window's controls by name and entering a birth as a user does.

#include "core/records/entries.h"
#include "windows/main_window.h"
#include "recording_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

#include <memory>

namespace rashi::testing {

template <class T>
T* Child(const QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (!found)
        qFatal("no control named %s", qPrintable(name));
    return found;
}

// A fresh main window whose dialogs are recorded, shown and active.
inline bool ShowFreshWindow(std::unique_ptr<UiRecorder>& dialogs, std::unique_ptr<frmMain>& window)
{
    // Settings go to a test folder, never the user's own.
    QStandardPaths::setTestModeEnabled(true);
    window.reset();
    // Settings (the rule, the diagram's style) go to a test folder.
    QStandardPaths::setTestModeEnabled(true);
    dialogs = std::make_unique<UiRecorder>();
    window = std::make_unique<frmMain>(*dialogs);
    window->show();
    QApplication::setActiveWindow(window.get());
    return QTest::qWaitForWindowActive(window.get());
}

// A birth as the user sees it on the input panel.
struct Birth {
    QString name;
    int day = 1;
    int month = 1; // 1 = January
    int year = 1901;
    int hour = 0;
    int minute = 0;
    int zoneRow = 0;
    QString latDeg, latMin, lonDeg, lonMin;
    bool south = false;
    bool west = false;
    bool daylightSaving = false;
    QString city, state, country;
};

// The same birth as the driver's input, built without the window.
inline Entries EntriesOf(const Birth& b)
{
    Entries e;
    e.Name = b.name.toStdString();
    e.DatePosition = b.day - 1;
    e.MonthPosition = b.month - 1;
    e.YearPosition = b.year - 1901;
    e.HourPosition = b.hour;
    e.MinutePosition = b.minute;
    e.ZoneRow = b.zoneRow;
    e.LatDeg = b.latDeg.toStdString();
    e.LatMin = b.latMin.toStdString();
    e.LonDeg = b.lonDeg.toStdString();
    e.LonMin = b.lonMin.toStdString();
    e.North = !b.south;
    e.South = b.south;
    e.East = !b.west;
    e.West = b.west;
    e.DaylightSaving = b.daylightSaving;
    e.City = b.city.toStdString();
    e.State = b.state.toStdString();
    e.Country = b.country.toStdString();
    return e;
}

inline void TypeInto(const QWidget& window, const char* box, const QString& text)
{
    auto* edit = Child<QLineEdit>(window, QString::fromLatin1(box));
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

inline void Choose(const QWidget& window, const char* list, const QString& entry)
{
    auto* box = Child<QComboBox>(window, QString::fromLatin1(list));
    const int position = box->findText(entry, Qt::MatchExactly);
    QVERIFY2(position >= 0, qPrintable(entry));
    box->setCurrentIndex(position);
}

inline void ClickOption(const QWidget& window, const QString& name)
{
    auto* option = Child<QAbstractButton>(window, name);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

inline void EnterBirth(const QWidget& window, const Birth& b)
{
    static const char* const months[] = {"January", "February", "March",     "April",   "May",      "June",
                                         "July",    "August",   "September", "October", "November", "December"};
    TypeInto(window, "txtName", b.name);
    Choose(window, "cboDate", QString::number(b.day));
    Choose(window, "cboMonth", QString::fromLatin1(months[b.month - 1]));
    Choose(window, "cboYear", QString::number(b.year));
    Choose(window, "cboHour", QString::number(b.hour));
    Choose(window, "cboMinute", QString::number(b.minute));
    Child<QComboBox>(window, QStringLiteral("cboTimeZone"))->setCurrentIndex(b.zoneRow);
    TypeInto(window, "txtLatDeg", b.latDeg);
    TypeInto(window, "txtLatMin", b.latMin);
    TypeInto(window, "txtLonDeg", b.lonDeg);
    TypeInto(window, "txtLonMin", b.lonMin);
    ClickOption(window, b.south ? QStringLiteral("optLat_1") : QStringLiteral("optLat_0"));
    ClickOption(window, b.west ? QStringLiteral("optLong_1") : QStringLiteral("optLong_0"));
    auto* dst = Child<QCheckBox>(window, QStringLiteral("chkDST"));
    if (dst->isChecked() != b.daylightSaving)
        ClickOption(window, QStringLiteral("chkDST"));
    TypeInto(window, "txtCity", b.city);
    TypeInto(window, "txtState", b.state);
    TypeInto(window, "txtCountry", b.country);
}

inline void Click(const QWidget& window, const char* button)
{
    QTest::mouseClick(Child<QPushButton>(window, QString::fromLatin1(button)), Qt::LeftButton);
}

// The 36 result captions in report order: name, position, aspects, grahas per row.
inline QStringList ResultCaptions(const QWidget& window)
{
    QStringList captions;
    for (int i = 0; i < 9; ++i) {
        for (const char* array : {"lblPlanets_", "lblPlanets_Position_", "lblAspects_", "lblGrahas_"})
            captions << Child<QLabel>(window, QString::fromLatin1(array) + QString::number(i))->text();
    }
    return captions;
}

inline bool ResultsInFront(const QWidget& window)
{
    // The results panel is made on the first reading: none yet is not in front.
    const auto* results = window.findChild<QWidget*>(QStringLiteral("Frame2"));
    return results && results->isVisible() && !Child<QWidget>(window, QStringLiteral("Frame1"))->isVisible();
}

// A birth that passes validation: 1 January 2000, 12:00 GMT, longitude 0.
inline Birth Greenwich2000()
{
    Birth b;
    b.name = QStringLiteral("Ada Lovelace");
    b.day = 1;
    b.month = 1;
    b.year = 2000;
    b.hour = 12;
    b.minute = 0;
    b.zoneRow = 29; // "Greenwich Mean Time,GMT,0.0"
    b.latDeg = QStringLiteral("51");
    b.latMin = QStringLiteral("30");
    b.lonDeg = QStringLiteral("0");
    b.lonMin = QStringLiteral("0");
    b.city = QStringLiteral("London");
    b.state = QStringLiteral("England");
    b.country = QStringLiteral("UK");
    return b;
}

} // namespace rashi::testing
