#include "windows/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>

namespace rashi {

WindowCommandLine ParseWindowCommandLine(const QStringList& arguments)
{
    WindowCommandLine line;
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Rashi Drishti: the sign aspects of a birth chart."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption lang(QStringLiteral("lang"), QStringLiteral("The language of this run: en or hi."),
                                  QStringLiteral("en|hi"));
    parser.addOption(lang);
    parser.addPositionalArgument(QStringLiteral("chart"), QStringLiteral("A chart file to open (.kqa, .jhd or .mtx)."),
                                 QStringLiteral("[chart]"));
    if (!parser.parse(arguments)) {
        line.problem = parser.errorText();
        return line;
    }
    if (parser.isSet(help) || parser.isSet(version)) {
        const QString text = parser.isSet(help) ? parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                                             QStringLiteral("rashi-drishti"))
                                                : QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                                                QCoreApplication::applicationVersion());
        std::fputs(text.toLocal8Bit().constData(), stdout);
        line.done = true;
        return line;
    }
    if (parser.isSet(lang)) {
        const QString value = parser.value(lang);
        if (value == QLatin1String("en"))
            line.language = Language::English;
        else if (value == QLatin1String("hi"))
            line.language = Language::Hindi;
        else {
            line.problem = QStringLiteral("--lang takes en or hi, not \"%1\".").arg(value.left(40));
            return line;
        }
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        line.problem = QStringLiteral("One chart file at a time, not %1.").arg(files.size());
        return line;
    }
    if (!files.isEmpty()) {
        // A file manager may hand a file: address.
        QString file = files.first();
        if (file.startsWith(QLatin1String("file://")))
            file = QUrl(file).toLocalFile();
        line.chart = QFileInfo(file).absoluteFilePath();
    }
    return line;
}

bool AsksForHelpOrVersion(const QStringList& arguments)
{
    for (const QString& argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            return false;
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help") ||
            argument == QLatin1String("--help-all") || argument == QLatin1String("-v") ||
            argument == QLatin1String("--version"))
            return true;
    }
    return false;
}

} // namespace rashi
