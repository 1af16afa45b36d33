#pragma once

#include <string>
#include <vector>

#include "store/NumberText.h"

// Builds the bytes of small spectrum files of every kind for the reader's tests.
namespace tavrelion::testing_support {

inline std::string Cd6Text(const std::string& unitLabel, const std::string& concentration,
                           const std::string& cellWidth, const std::string& firstWavelength,
                           const std::string& count, const std::string& step,
                           const std::vector<std::string>& values) {
    std::string text;
    for (int line = 1; line <= 156; ++line) {
        switch (line) {
            case 1:
                text += "CD6 spectrum export";
                break;
            case 22:
                text += unitLabel;
                break;
            case 105:
                text += concentration;
                break;
            case 108:
                text += cellWidth;
                break;
            case 118:
                text += firstWavelength;
                break;
            case 119:
                text += count;
                break;
            case 120:
                text += step;
                break;
            default:
                text += "header line " + std::to_string(line);
        }
        text += "\r\n";
    }
    for (const auto& value : values) {
        text += value + "\r\n";
    }
    return text;
}

// Values 1, 2, 3 ... as text, so that a value tells its own position in the file.
inline std::vector<std::string> CountingValues(int count, double scale = 1.0) {
    std::vector<std::string> values;
    for (int i = 1; i <= count; ++i) {
        values.push_back(store::GeneralForm(i * scale));
    }
    return values;
}

inline std::string CdmaxText(const std::string& firstWavelength, const std::string& step,
                             const std::string& count, const std::string& unitCode,
                             const std::vector<std::string>& dataLines) {
    std::string text = "CDMAX export\r\nRUBISDATA2\r\n";
    for (int item = 3; item <= 23; ++item) {
        text += "item " + std::to_string(item) + "\r\n";
    }
    text += firstWavelength + "\r\n260\r\n" + step + "\r\n" + count + "\r\n";
    text += "Acquisition\r\nBlock #1 parameters\r\n" + unitCode + " units\r\nmore\r\n";
    text += "Spectrum #1 : Region 1 : Bloc 1 data:\r\n";
    for (const auto& line : dataLines) {
        text += line + "\r\n";
    }
    return text;
}

// A JCD file in mean residue ellipticity from high to low wavelength; dataMode is line 12.
inline std::string JcdText(const std::string& dataMode, int highest, int lowest,
                           const std::string& step,
                           const std::vector<std::string>& descendingValues) {
    std::vector<std::string> header(24);
    header[1] = "TITLE\tsample";
    header[2] = "DATA TYPE\tCD";
    header[3] = "ORIGIN\tJCD";
    header[4] = "PATH LENGTH\t0.1\tcm";
    header[5] = "RESIDUE CONC\t0.0005\tM";
    for (int line = 6; line <= 23; ++line) {
        header[line] = "INFO " + std::to_string(line);
    }
    header[12] = dataMode;
    header[14] = "FIRSTX\t" + std::to_string(highest) + ".000";
    header[15] = "LASTX\t" + std::to_string(lowest) + ".000";
    header[16] = "DATA INTERVAL\t" + step;
    std::string text;
    for (int line = 1; line <= 23; ++line) {
        text += header[line] + "\r\n";
    }
    int wavelength = highest;
    for (const auto& value : descendingValues) {
        text += std::to_string(wavelength--) + "\t" + value + "\t250\r\n";
    }
    return text;
}

inline std::string TvrText(int count, int first, const std::vector<std::string>& values) {
    std::string text = "Lysozyme\r\n" + std::to_string(count) + ",Molar ellipticity\r\n";
    int wavelength = first;
    for (const auto& value : values) {
        text += std::to_string(wavelength++) + "," + value + "\r\n";
    }
    return text;
}

}  // namespace tavrelion::testing_support
