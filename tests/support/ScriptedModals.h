#pragma once
// Test double of the modal seam: answers scripted results and records every box.

#include "platform/dialogs/ModalSeam.h"

#include <deque>
#include <vector>

class ScriptedModals {
public:
    using Answer = std::function<int(QDialog &, const ModalRecord &)>;

    ScriptedModals();
    ~ScriptedModals();
    ScriptedModals(const ScriptedModals &) = delete;
    ScriptedModals &operator=(const ScriptedModals &) = delete;

    // The next dialog returns this result.
    void answer(int result);
    // The next dialog is handled by fn (it may fill the dialog's fields first).
    void answerWith(Answer fn);

    const std::vector<ModalRecord> &shown() const { return records_; }
    // Number of scripted answers not used yet.
    size_t pending() const { return answers_.size(); }

private:
    std::deque<Answer> answers_;
    std::vector<ModalRecord> records_;
};
