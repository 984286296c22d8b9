#pragma once

#include <QString>
#include <array>
#include <optional>

// The worksheet register in memory. worksheetcount starts empty (no register read
// yet); slots 1..worksheetcount of worksheetnames hold the titles, slot 0 is unused.
struct RegisterState {
    static constexpr int kMaxTitles = 1000;
    std::optional<int> worksheetcount;
    std::array<QString, kMaxTitles + 1> worksheetnames;
    QString chosensheet;
};
