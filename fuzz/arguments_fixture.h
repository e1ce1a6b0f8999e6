// The files fuzz_arguments runs on: a scratch folder of the process with the
// start-up case, a glycol case, small weather files of each form and a
// secondary table, and an "out" folder for the reports it writes.
#pragma once

#include "tests/support/scratch_dir.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace fuzz {

class ArgumentsFixture {
public:
    ArgumentsFixture()
    {
        dir_.Write("start.tvl", Case(false));
        dir_.Write("glycol.tvl", Case(true));
        dir_.Write("bins.txt", "-12;50\n-5,5;300\n0;1000\n5;1500\n10.4;2000\n16;800\n20;3000\n");
        dir_.Write("hourly.txt", "-3.5\r\n-3,4\r\n2\r\n\r\n16.5\r\n17\r\n");
        std::string epw = "LOCATION,Nowhere,-,DNK,Fuzz,000000,55.00,12.00,1.0,10.0\n";
        for (int i = 1; i < 8; ++i)
            epw += "HEADER " + std::to_string(i) + ",0\n";
        for (const char* dryBulb : {"-8.0", "-7.5", "99.9", "4.2", "18.0"})
            epw += std::string("1999,1,1,1,60,A7*,") + dryBulb + ",-9.0,80,101300\n";
        dir_.Write("year.epw", epw);
        dir_.Write("table.txt", "-12;70;40\n5;50;32\n17;35;25\n");
        std::filesystem::create_directory(dir_.Path() / "out");
    }

    // A case, weather or table file named on the command line, in the folder.
    std::string Input(const std::string& name) const { return dir_.File(Flat(name)); }
    // A report's output: in "out", so that no fixture is overwritten.
    std::string Output(const std::string& name) const { return (dir_.Path() / "out" / Flat(name)).string(); }
    bool IsOutput(const std::string& path) const
    {
        return path.starts_with((dir_.Path() / "out").string() + "/") &&
               path.find('/', (dir_.Path() / "out").string().size() + 1) == std::string::npos;
    }
    // Every report written, so that the folder stays small.
    void ClearOutput() const
    {
        std::error_code ignored;
        for (const auto& entry : std::filesystem::directory_iterator(dir_.Path() / "out", ignored))
            std::filesystem::remove(entry.path(), ignored);
    }

private:
    static std::string Flat(std::string name)
    {
        std::replace(name.begin(), name.end(), '/', '_');
        std::replace(name.begin(), name.end(), '\\', '_');
        return name;
    }

    // The start-up case as the window saves it; numbers without decimals
    // where they are read, so that both locales compute it.
    static std::string Case(bool glycol)
    {
        const char* lines[] = {"Vand", "Vand",  "55",    "70",   "40",    "65",    "35",    "1",     "1",    "30.0",
                               "30.0", "1.602", "1.599", "5.00", "11.00", "Vand",  "Vand",  "55",    "73",   "63",
                               "30",   "33.0",  "40.0",  "33.0", "0.560", "0.824", "1.199", "1.451", "5.78", "9.52"};
        std::string bytes;
        for (int i = 0; i < 30; ++i)
            bytes += std::string(glycol && (i < 2 || i == 15 || i == 16) ? "Glykol" : lines[i]) + "\r\n";
        return bytes;
    }

    support::ScratchDir dir_;
};

}  // namespace fuzz
