#pragma once

// A host that answers the dialogs from queues and records every message, question,
// information window and end of the program.

#include "host.h"

#include <deque>
#include <vector>

namespace zudaviror::testing {

struct FakeHost : app::Host {
    std::deque<QString> saveAnswers; // nothing left: the student cancels
    std::deque<bool> confirmAnswers; // nothing left: no
    std::vector<QString> filters, questions, messages;
    std::vector<app::InformationWindow> information;
    std::vector<int> endings;

    QString saveFileName(const QString& filter) override {
        filters.push_back(filter);
        if (saveAnswers.empty()) {
            return {};
        }
        QString answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    bool confirm(const QString& question) override {
        questions.push_back(question);
        if (confirmAnswers.empty()) {
            return false;
        }
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    void showMessage(const QString& text) override { messages.push_back(text); }
    void showInformation(app::InformationWindow which) override { information.push_back(which); }
    void endProgram(int status) override { endings.push_back(status); }
};

} // namespace zudaviror::testing
