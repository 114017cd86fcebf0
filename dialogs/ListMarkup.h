#pragma once

// The numbered or bulleted list that the list dialog inserts, and the marker names it offers.

#include <span>
#include <string>
#include <string_view>

struct ListSettings {
    bool numbered = true;
    int marker = 0; // index into the markers of the list's kind
    int items = 1;
    std::string tooltip; // Windows-1251, copied as typed; empty writes title=""
};

struct ListMarker {
    std::string_view name; // UTF-8, as the radio group shows it
    std::string_view type; // the type value written
};

std::span<const ListMarker> ListMarkers(bool numbered);
std::string BuildList(const ListSettings& s);
