// The About page's summary of a settings record in plain words: hot key,
// storage directory, grab type, thumbnail and watermark. Building the texts
// is portable; putting them into the page's statics is AboutDialog's.
#pragma once

#include <string>

struct GrabSettings;

// Each text is at most 255 characters; a longer one is cut.
struct AboutSummary {
    std::string hotKey;
    std::string directory;
    std::string type;
    std::string thumbnail;
    std::string watermark;
};

// currentDirectory is shown for a storage directory of exactly ".\".
AboutSummary SummarizeSettings(const GrabSettings& settings, const char* currentDirectory);
