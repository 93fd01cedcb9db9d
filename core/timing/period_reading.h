#pragma once
// How a Jaimini reader reads a sign's period of the chara or drig dasha: the
// signs the period's sign aspects by Jaimini's (the classical) Rashi
// Drishti, the karakas and the arudhas standing in them, and whether the
// period's sign holds or aspects the Atmakaraka.

#include "core/records/reading_records.h"
#include "core/words/reading_words.h"

#include <array>
#include <string>
#include <vector>

namespace rashi {

enum class AtmakarakaThere { Neither, Holds, Aspects };

struct PeriodReading {
    std::array<int, 3> aspected{};                // signs, Mesha first
    std::array<std::vector<int>, 3> karakas;      // the ranks (0 = AK) standing in each
    std::array<std::vector<int>, 3> arudhas;      // the houses (1 = AL .. 12 = UL) whose padas fall there
    AtmakarakaThere atmakaraka = AtmakarakaThere::Neither;
};

// From the Jaimini reading (its signs, karakas and padas); the aspected
// signs alone when it was not computed.
PeriodReading ReadPeriod(int sign, const JaiminiRecord& jaimini);

// "Kataka (AmK, AL), Thula, Makara (UL); it holds the AK".
std::string PeriodReadingText(const PeriodReading& reading, int scheme,
                              const ReadingWords& words = WordsOf(Language::English));

} // namespace rashi
