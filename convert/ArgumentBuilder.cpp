// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/ArgumentBuilder.h"

#include "convert/BatchRules.h"
#include "encoder/EncoderArguments.h"

namespace {

// A flag switch carries this value in its profile: the switch goes out alone.
const char* const FlagOnlyValue = "\\";

std::string ChosenValue(const TProfileChoice& choice, std::size_t i)
{
    const TProfileParameter& p = choice.Parameters[i];
    if (p.IsList) {
        const int item = choice.Items[i];
        if (item < 0)
            return choice.Texts[i]; // typed-in texts such as a custom "640x480" pass verbatim
        // An item without a value contributes nothing rather than failing
        // the whole start.
        const std::vector<std::string> values = SplitList(p.Value);
        return std::size_t(item) < values.size() ? values[std::size_t(item)] : std::string();
    }
    return p.ReadOnly ? p.Value : choice.Texts[i];
}

void AppendWords(std::vector<std::string>& arguments, const std::string& text)
{
    for (std::string& word : SplitCommandLineArguments(text))
        arguments.push_back(std::move(word));
}

} // namespace

std::vector<std::string> BuildArguments(const TProfileChoice& choice, const ltvItemData& task)
{
    std::vector<std::string> arguments;
    for (std::size_t i = 0; i < choice.Parameters.size(); ++i) {
        const std::string value = ChosenValue(choice, i);
        if (choice.Parameters[i].Cmd.empty() || value.empty())
            continue;
        AppendWords(arguments, choice.Parameters[i].Cmd);
        if (value != FlagOnlyValue)
            AppendWords(arguments, value);
    }
    for (std::string& word : TrimSwitches(task))
        arguments.push_back(std::move(word));
    return arguments;
}
