#pragma once
// Which ayanamsa a birth's reading takes off the tropical longitudes. The
// default is the program's own: its formulas' ayanamsa, or Lahiri with the
// precise positions. Every other choice is one ayanamsa for both ephemerides.

namespace rashi {

enum class AyanamsaKind {
    Default,
    Lahiri,
    Raman,
    Krishnamurti,
    Yukteshwar,
    FaganBradley,
    UshaShashi,
    JnBhasin,
    SuryaSiddhanta,
    Aryabhata,
    SuryaSiddhantaRevati,
    SuryaSiddhantaCitra,
    TrueCitra,
    TrueRevati,
    TruePushya,
    TrueMula,
    Custom,
};

struct AyanamsaChoice {
    AyanamsaKind kind = AyanamsaKind::Default;
    // Custom only: the mean ayanamsa at J2000.0 (degrees) and its yearly
    // change (arcseconds per Julian year).
    double degreesAtJ2000 = 0;
    double arcsecondsPerYear = 0;

    bool named() const { return kind != AyanamsaKind::Default; }
    bool operator==(const AyanamsaChoice&) const = default;
};

} // namespace rashi
