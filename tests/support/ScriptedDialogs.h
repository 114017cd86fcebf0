#pragma once

// A DialogService that opens nothing: every answer comes from a script, every request is kept so
// that a test can check what the user would have seen.

#include "editing/DialogService.h"

#include <QList>
#include <QString>

#include <deque>
#include <optional>
#include <stdexcept>

class ScriptedDialogs : public varlo::DialogService {
public:
    ScriptedDialogs() { install(this); }
    ~ScriptedDialogs() override { install(nullptr); }

    std::deque<Button> answers;
    std::deque<std::optional<QString>> fileAnswers;
    QList<Message> messages;
    QList<Sound> sounds;
    QList<FileRequest> fileRequests;

    void beep(Sound sound) override { sounds << sound; }

    Button showMessage(const Message& message) override {
        messages << message;
        if (answers.empty())
            throw std::logic_error("unscripted message: " + message.text.toStdString());
        const Button b = answers.front();
        answers.pop_front();
        return b;
    }

    std::optional<QString> openFileName(QWidget*, const FileRequest& request) override {
        return nextFile(request);
    }
    std::optional<QString> saveFileName(QWidget*, const FileRequest& request) override {
        return nextFile(request);
    }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }

    QStringList texts() const {
        QStringList out;
        for (const Message& m : messages)
            out << m.text;
        return out;
    }

private:
    std::optional<QString> nextFile(const FileRequest& request) {
        fileRequests << request;
        if (fileAnswers.empty())
            throw std::logic_error("unscripted file dialog");
        auto a = fileAnswers.front();
        fileAnswers.pop_front();
        return a;
    }
};
