#pragma once
// Long expected texts live in tests/data and are compared whole. With
// ORBEL_UPDATE_GOLDEN=1 in the environment a differing file is rewritten
// instead, for review with git diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iomanip>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace orbel::testing {

// The build names the folder: __FILE__ may be relative to the build's own
// working folder.
inline std::filesystem::path GoldenPath(const std::string& name) {
    return std::filesystem::path(ORBEL_TEST_DATA_FOLDER) / name;
}

// The bytes of a file, empty when it cannot be read.
inline std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Line breaks shown as \r and \n, so that a text with several lines is one
// line of a golden file.
inline std::string OneLine(const std::string& text) {
    std::string line;
    for (const char c : text) line += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    return line;
}

inline void ExpectGolden(const std::string& name, const std::string& actual) {
    const std::string expected = FileText(GoldenPath(name));
    if (expected == actual) return;
    if (const char* update = std::getenv("ORBEL_UPDATE_GOLDEN"); update && *update == '1') {
        std::ofstream(GoldenPath(name), std::ios::binary) << actual;
        return;
    }
    // Google Test shows the differing lines of two multi-line texts.
    EXPECT_EQ(actual, expected) << "tests/data/" << name << " (ORBEL_UPDATE_GOLDEN=1 rewrites it)";
}

// A table of cases in tests/data: each line "Function arg arg => text", an
// argument with blanks in double quotes, "#" lines and blank lines kept as
// they are. Every case is run again through `functions` and the table
// rebuilt from the results must give the file back.
using CaseFunction = std::function<std::string(const std::vector<std::string>& args)>;

inline void ExpectCaseTable(const std::string& name, const std::map<std::string, CaseFunction>& functions) {
    std::ifstream in(GoldenPath(name));
    std::string line, rebuilt;
    while (std::getline(in, line)) {
        const std::size_t arrow = line.find(" => ");
        if (line.empty() || line[0] == '#' || arrow == std::string::npos) {
            rebuilt += line + "\n";
            continue;
        }
        std::vector<std::string> words;
        std::istringstream call(line.substr(0, arrow));
        for (std::string word; call >> std::quoted(word);) words.push_back(word);
        const auto function = words.empty() ? functions.end() : functions.find(words[0]);
        const std::string result = function == functions.end()
                                       ? "no such function"
                                       : function->second(std::vector<std::string>(words.begin() + 1, words.end()));
        rebuilt += line.substr(0, arrow + 4) + "\"" + result + "\"\n";
    }
    ExpectGolden(name, rebuilt);
}

// The messages and save-file dialogs a scripted user port recorded, one
// indented line each: "[title]" with "?" for a question and "!" for the
// exclamation icon, line breaks shown as "|" and `folder` as <folder>. The
// records are cleared.
template <class Port>
std::string TakeMessages(Port& port, const std::string& folder) {
    std::string out;
    const auto line = [&](const std::string& kind, std::string text) {
        for (std::size_t at; !folder.empty() && (at = text.find(folder)) != std::string::npos;)
            text.replace(at, folder.size(), "<folder>");
        std::erase(text, '\r');
        std::replace(text.begin(), text.end(), '\n', '|');
        out += "  " + kind + " " + text + "\n";
    };
    for (const auto& m : port.messages) {
        const bool exclamation = m.icon == decltype(m.icon)::Exclamation;
        line("[" + m.title + "]" + (m.question ? "?" : "") + (exclamation ? "!" : ""), m.text);
    }
    for (const auto& d : port.fileDialogs) line("save dialog [" + d.title + "]", d.suggestedPath);
    port.messages.clear();
    port.fileDialogs.clear();
    return out;
}

}  // namespace orbel::testing
