#pragma once
// The command line between the program and its browser window executable.
//
//   rashi-drishti-browser [--place-search] [--city=TEXT] [--state=TEXT]
//                         [--country=TEXT] [--exit-with-parent]
//
// Values are passed in the --name=value form, so a place typed as "-style"
// or "--help" is never taken for an option. With --exit-with-parent the
// browser ends when its standard input reaches end-of-file, that is when the
// program that started it has gone.

#include <QString>
#include <QStringList>

namespace rashi {

inline const QString kBrowserProgramName = QStringLiteral("rashi-drishti-browser");

struct BrowserArguments {
    bool placeSearch = false;
    QString city;
    QString state;
    QString country;
    bool exitWithParent = false;
};

QStringList ToCommandLine(const BrowserArguments& arguments);
// Reads what ToCommandLine wrote; the first element (the program) and
// anything unknown are ignored.
BrowserArguments FromCommandLine(const QStringList& commandLine);

} // namespace rashi
