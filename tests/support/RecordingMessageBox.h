#pragma once
#include <deque>
#include <string>
#include <vector>

#include "MessageBox.h"

// Records every message box; questions are answered from a queue (Yes when
// the queue is empty).
class RecordingMessageBox : public keldo::IMessageBox {
public:
    void Show(const std::string& text) override { shown.push_back(text); }
    bool AskYesNo(const std::string& text) override
    {
        questions.push_back(text);
        if (answers.empty())
            return true;
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> shown;
    std::vector<std::string> questions;
    std::deque<bool> answers;
};
