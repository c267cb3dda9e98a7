#include "ExportHeader.h"

#include <chrono>
#include <ctime>

std::string CorvelVersion() {
    return CORVEL_VERSION;
}

std::string CurrentUtcDate() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &utc);
    return text;
}

std::vector<std::string> HeaderLines(const ExportHeader& header, std::string_view solverName) {
    std::vector<std::string> lines = {
        std::string(solverName) + " material data written by " + header.program + " " +
            CorvelVersion() + " on " + header.date,
        "Units: SI (Pa, m, kg, K): moduli in Pa, expansion in 1/K, density in kg/m^3.",
    };
    if (!header.inputs.empty()) {
        lines.push_back("Inputs:");
        for (const std::string& input : header.inputs) {
            lines.push_back("  " + input);
        }
    }
    return lines;
}
