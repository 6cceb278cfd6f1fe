#pragma once

#include <CLI/CLI.hpp>

#include <string>

// CLI11's help, except that a positional with its own option text shows that text in the usage
// line ("[IN] OUT"), where CLI11 would print its name and a count ("files(1x)"). Main thread.
class UsageFormatter final : public CLI::Formatter
{
  public:
    std::string make_option_usage(const CLI::Option* opt) const override
    {
        if (!opt->get_option_text().empty())
            return opt->get_option_text();
        return CLI::Formatter::make_option_usage(opt);
    }
};
