#pragma once
// The words of the notes on a birth's zone, in the program's language: the
// window installs a catalogue of them (context "ZoneNote"), the report tool
// none, so its notes and JSON stay in English. Each text is marked
// QT_TRANSLATE_NOOP("ZoneNote", …) where it is written, for lupdate.

#include <QCoreApplication>
#include <QString>

namespace rashi::places {

inline QString ZoneWords(const char* text) { return QCoreApplication::translate("ZoneNote", text); }

} // namespace rashi::places
