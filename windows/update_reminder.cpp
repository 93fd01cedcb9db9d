#include "windows/update_reminder.h"

#include "shared_ui/user_dialogs.h"
#include "core/chart_files/stored_text.h"
#include "core/chart_files/windows1252.h"
#include "shared_ui/links.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>

namespace rashi {

namespace {

constexpr qint64 kReminderDays = 14;

const QString kReminderSetting = QStringLiteral("LastReminderDate");
const char* const kUpdateQuestion = QT_TRANSLATE_NOOP("rashi::UpdateReminder", "There maybe an update to this software available\r"
                                                         "Do you want to check for an update?");

// Texts go into the settings store shifted, like the lines of a chart file:
// UTF-8 -> Windows-1252 -> EncodeText, and the shifted bytes are kept as the
// characters they stand for in Windows-1252.
QString Stored(const QString& plain)
{
    const std::string bytes = EncodeText(Utf8ToWindows1252(plain.toStdString()));
    return QString::fromStdString(Windows1252ToUtf8(bytes));
}

QString Plain(const QString& stored)
{
    const std::string bytes = DecodeText(Utf8ToWindows1252(stored.toStdString()));
    return QString::fromStdString(Windows1252ToUtf8(bytes));
}

QString DateText(const QDate& date) { return QLocale::system().toString(date, QLocale::ShortFormat); }

// Reads a date written by DateText. Short forms often carry a two-digit year,
// which Qt reads as 19xx; such a year is taken in the century that puts the
// date nearest to today.
QDate ParseDate(const QString& text, const QDate& today)
{
    const QLocale locale = QLocale::system();
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QDate date = locale.toDate(text.trimmed(), format);
    if (!date.isValid())
        date = QDate::fromString(text.trimmed(), Qt::ISODate);
    if (!date.isValid())
        return date;
    if (!format.contains(QLatin1String("yyyy")) && format.contains(QLatin1String("yy"))) {
        while (date < today.addYears(-50))
            date = date.addYears(100);
        while (date > today.addYears(50))
            date = date.addYears(-100);
    }
    return date;
}

} // namespace

void ShowUpdateReminder(UserDialogs& dialogs, QSettings& settings, const QDate& today)
{
    // Without a download page there is nothing to remind of.
    if (!HasDownloadPage())
        return;
    const QString key = Stored(kReminderSetting);
    const auto storeToday = [&] {
        settings.setValue(key, Stored(DateText(today)));
        settings.sync();
    };

    const QString last = Plain(settings.value(key).toString());
    if (last.isEmpty()) { // first start
        storeToday();
        return;
    }
    const QDate lastDate = ParseDate(last, today);
    if (!lastDate.isValid()) { // not a date: start counting again from today
        storeToday();
        return;
    }
    const qint64 days = today.daysTo(lastDate); // the stored date minus today
    if (days >= -kReminderDays && days <= kReminderDays)
        return;

    const bool check = dialogs.askYesNo(QCoreApplication::translate("rashi::UpdateReminder", kUpdateQuestion));
    storeToday();
    if (check)
        OpenDownloadPage(dialogs);
}

} // namespace rashi
