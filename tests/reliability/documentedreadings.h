#pragma once

#include <QString>
#include <array>

// What the game is documented to make of a settings file, worked out from the file alone: each
// option, colour and score entry as the game should use it, with every unusable value replaced
// by its fallback. The rules, as the README states them:
// - Section and key names match without regard to case; of several spellings of one name the
//   first by code point ("NumColor" before "numcolor") wins.
// - A number is decimal digits with an optional sign and surrounding blanks.
// - "Gridvalue" hides the grid lines when it is the number 1; any other 16-bit number, or none,
//   shows them. "Numvalue" hides the tile numbers when it is 1 or not a 16-bit number. "Enable"
//   checks auto-scramble when it is a 16-bit number other than 0.
// - A colour is a number from 0 to 16777215; anything else gives that colour's default.
// - A "top" entry is a result when it is a number from 1 to 32767, otherwise unused. A "Nam"
//   entry is any text; when absent it is " None".
struct Readings {
    bool gridHidden = false;
    bool numbersHidden = true;
    bool autoScramble = false;
    std::array<qint32, 3> colors{};                 // numbers, background, empty box
    std::array<std::array<qint16, 10>, 3> moves{};  // by score section 0..2, then entry
    std::array<std::array<QString, 10>, 3> names{}; // the same

    friend bool operator==(const Readings&, const Readings&) = default;
};

// The readings of the settings file at `path`; defaults where it cannot be read at all.
Readings documentedReadings(const QString& path);
// Where the readings differ, or an empty text.
QString readingsDifference(const Readings& expected, const Readings& actual);
// Whether every option, colour and "top" value of the file is written the way the game writes
// it: present, and the plain decimal text of a value in range. Gives what is not, or nothing.
QString notAsTheGameWritesIt(const QString& path);
