#include "support/ScriptedModals.h"

#include <gtest/gtest.h>

ScriptedModals::ScriptedModals()
{
    ModalSeam::setHandler([this](QDialog &dlg, const ModalRecord &rec) {
        records_.push_back(rec);
        if (answers_.empty()) {
            ADD_FAILURE() << "Unexpected dialog " << rec.kind.toStdString() << ": "
                          << rec.text.toStdString();
            return int(QDialog::Rejected);
        }
        Answer a = std::move(answers_.front());
        answers_.pop_front();
        return a(dlg, rec);
    });
}

ScriptedModals::~ScriptedModals()
{
    ModalSeam::setHandler({});
}

void ScriptedModals::answer(int result)
{
    answers_.push_back([result](QDialog &, const ModalRecord &) { return result; });
}

void ScriptedModals::answerWith(Answer fn)
{
    answers_.push_back(std::move(fn));
}
