#pragma once

// A DialogService that opens nothing: message boxes are counted and answered with OK, and the
// colour dialog answers from a script (cancelled when the script is empty).

#include "editing/DialogService.h"

#include <deque>

class QuietDialogs : public varlo::DialogService {
public:
    QuietDialogs() { install(this); }
    ~QuietDialogs() override { install(nullptr); }

    int messages = 0;
    int colourRequests = 0;
    std::deque<std::optional<QColor>> colours;

    void beep(Sound) override {}
    Button showMessage(const Message&) override {
        ++messages;
        return Ok;
    }
    std::optional<QString> openFileName(QWidget*, const FileRequest&) override { return {}; }
    std::optional<QString> saveFileName(QWidget*, const FileRequest&) override { return {}; }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override {
        ++colourRequests;
        if (colours.empty())
            return std::nullopt;
        auto c = colours.front();
        colours.pop_front();
        return c;
    }
};
