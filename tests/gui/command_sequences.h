#pragma once
// Seeded random command sequences through a window, for the property tests of both
// calculators: every menu command it offers, with an input-box answer and a file-dialog
// answer drawn for each.

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/scripted_services.h"

namespace vib::testing {

using Command = std::pair<std::string, std::function<void()>>;
using Answers = std::vector<std::optional<std::string>>;  // nullopt: Cancel

// Every available menu command of the window (submenus aside).
inline std::vector<Command> MenuCommands(QWidget& window) {
    std::vector<Command> out;
    for (QAction* a : window.findChildren<QAction*>())
        if (!a->menu() && a->isEnabled() && a->objectName().startsWith("mnu"))
            out.push_back({a->objectName().toStdString(), [a] { a->trigger(); }});
    return out;
}

// Runs 1 to `maxLength` commands chosen by `seed`; returns what ran, for the failure
// message.
inline std::string RunSequence(unsigned seed, std::size_t maxLength,
                               const std::vector<Command>& commands, const Answers& answers,
                               const Answers& files, TestServices& t) {
    std::mt19937 rng(seed);
    auto pick = [&rng](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
    };
    std::string log = "seed " + std::to_string(seed) + ":";
    for (std::size_t n = 1 + pick(maxLength); n > 0; --n) {
        const Command& command = commands[pick(commands.size())];
        const auto& answer = answers[pick(answers.size())];
        const auto& file = files[pick(files.size())];
        log += " " + command.first + "(" + answer.value_or("<cancel>") + ", " +
               file.value_or("<cancel>") + ")";
        t.input.answers = {answer};
        t.files.answers = {file};
        command.second();
        t.input.answers.clear();
        t.files.answers.clear();
    }
    return log;
}

}  // namespace vib::testing
