#pragma once
// The command line between the program and its browser window executable.
//
//   rashi-drishti-browser [--lang=en|hi] [--place-search] [--city=TEXT]
//                         [--state=TEXT] [--country=TEXT] [--exit-with-parent]
//
// Values are passed in the --name=value form, so a place typed as "-style"
// or "--help" is never taken for an option. With --exit-with-parent the
// browser ends when its standard input reaches end-of-file, that is when the
// program that started it has gone. --lang is the language the program
// speaks (also read as `--lang hi`, as the program itself takes it); a
// language the browser does not know is English.

#include "core/records/language.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace rashi {

inline const QString kBrowserProgramName = QStringLiteral("rashi-drishti-browser");

struct BrowserArguments {
    std::optional<Language> language; // none: not given
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
