#include "app/core/CommandLine.h"

#include <cctype>
#include <string>
#include <vector>

namespace {

// Words separated by blanks; a word in double quotes may hold blanks.
std::vector<std::string> SplitWords(const char* text)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (const char* c = text; *c; ++c) {
        if (*c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (!quoted && std::isspace(static_cast<unsigned char>(*c))) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += *c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

bool IsSeedSwitch(const std::string& word)
{
    if (word.size() != 5 || (word[0] != '/' && word[0] != '-'))
        return false;
    std::string name;
    for (std::size_t i = 1; i < word.size(); ++i)
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(word[i])));
    return name == "seed";
}

std::optional<std::uint32_t> ParseSeed(const std::string& word)
{
    if (word.empty() || word.size() > 10)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : word) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFu)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

} // namespace

std::optional<std::uint32_t> SeedOption(const char* commandLine)
{
    if (!commandLine)
        return std::nullopt;
    const std::vector<std::string> words = SplitWords(commandLine);
    std::optional<std::uint32_t> seed;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!IsSeedSwitch(words[i]))
            continue;
        // The last well-formed "/seed N" wins; a switch without a number is skipped.
        if (i + 1 < words.size()) {
            if (std::optional<std::uint32_t> parsed = ParseSeed(words[i + 1]))
                seed = parsed;
        }
    }
    return seed;
}
